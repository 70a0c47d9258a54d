#pragma once
// Box-drawing characters drawn as strokes instead of glyphs. A font's glyphs for them reach only
// as far as the line spacing the font was made for, so the borders of a grid printed line by
// line at a closer or wider pitch break between the lines. Strokes drawn out to the edges of
// the character's cell join the strokes of the cells around it.
#include <QChar>
#include <QPainterPath>
#include <QRectF>

namespace vt {

// Whether c is one of the single and double line characters of code page 437 (the forty from
// U+2500 to U+256C), the characters that BoxDrawingPath draws.
bool IsBoxDrawing(QChar c);

// The ink of box-drawing character c in its cell: lines `stroke` wide from the cell's centre
// out to the edges the character points to, and half a stroke beyond, so that neighbouring
// cells overlap instead of meeting at a seam. The two lines of a double line stand three
// strokes apart, centre to centre. Empty for any other character.
QPainterPath BoxDrawingPath(QChar c, const QRectF& cell, double stroke);

}  // namespace vt

#pragma once
#include "platform/surface.h"
#include "platform/surface_state.h"
#include "printing/label_content.h"

namespace vt {

// Draw one label with its corner at `place`: frame, picture box with the picture and its
// screen, six text lines, bars and expiration, nothing of it outside the label's cell. It
// draws in the surface's current font; bold labels set their own, and after the bars the font
// is 9 point again.
LabelDrawn DrawLabel(Surface& s, LabelPlace place, const LabelContent& content,
                     const LabelStyle& style);

// A label's frame for the label at `place`: 10 twips outside its corner, 220 twips shorter
// than the row pitch (the gap between rows).
void DrawLabelFrame(Surface& s, const SheetGeometry& sheet, LabelPlace place);
// The rectangle that frame outlines.
SurfaceState::Rect LabelFrame(const SheetGeometry& sheet, LabelPlace place);

}  // namespace vt

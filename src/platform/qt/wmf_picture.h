#pragma once
// Windows metafiles (WMF), placeable (with the D7 CD C6 9A header) or plain, played onto a
// QImage by a small player of our own. libwmf was tried: it needs a set of PostScript fonts
// that this system does not install, and without them it crashes while loading the file.
//
// Records drawn: SetWindowOrg/Ext, SaveDC/RestoreDC, CreatePenIndirect, CreateBrushIndirect,
// SelectObject, DeleteObject, SetPolyFillMode, MoveTo, LineTo, Rectangle, RoundRect, Ellipse,
// Polygon, Polyline, PolyPolygon, and the bitmaps of StretchDIB, DIBStretchBlt and DIBBitBlt
// copied with SRCCOPY. Other objects (fonts, palettes, regions, pattern brushes) hold their
// place in the object table but draw nothing; text, clipping and other raster operations are
// not drawn. Resident pictures are bitmaps or simple drawings, which this covers.
#include <QImage>
#include <string_view>

namespace vt {

// The first bytes are a placeable header or a plain metafile header.
bool LooksLikeWmf(std::string_view data);

// The picture, at 300 pixels to the inch for a placeable file (one pixel per logical unit for
// a plain one), no side longer than 2,000 pixels. Throws std::runtime_error when the file is
// cut short, its header makes no sense, or it paints far more than a picture needs (its whole
// image over 64 times).
QImage RenderWmf(std::string_view data);

}  // namespace vt

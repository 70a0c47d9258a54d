#pragma once
// Lengths: every surface works in twips (1,440 to the inch); people measure sheets and drift in
// millimetres.

namespace vt {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kTwipsPerMm = kTwipsPerInch / kMmPerInch;
// A point of type is 1/72 inch.
inline constexpr double kTwipsPerPoint = 20;
// A screen pixel at 96 dots per inch: the windows and the preview are laid out in these.
inline constexpr int kTwipsPerPixel = 15;
// The printers and the PDF printer draw pages at this many dots per inch.
inline constexpr int kPrinterDotsPerInch = 300;

}  // namespace vt

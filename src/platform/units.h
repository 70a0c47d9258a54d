#pragma once
// Lengths: every surface works in twips (1,440 to the inch); people measure sheets and drift in
// millimetres.

namespace vt {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kTwipsPerMm = kTwipsPerInch / kMmPerInch;

}  // namespace vt

#pragma once
// The week's snack list: a plain text of 56 lines, each exactly 164 characters and CR LF, in
// code page 437, so that it can be edited as text and read back as 166-byte records.
#include "app/app.h"

namespace vt {

// The offset of line 5, column 18: the first item of the first diet row, on Sunday.
inline constexpr long kFirstSnackCell = 681;

// Load the current week's snack list into the editor, creating it from a template if missing.
void loadfil(App& app);
// Save the editor's text to the open snack list file (nothing when no list is open).
void savefil(App& app);

// The centred title line of a new week's list.
std::string SnackListTitle(const std::string& facilityName, const std::string& stationDate);

}  // namespace vt

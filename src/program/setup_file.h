#pragma once
#include "app/app.h"

namespace vt {

// The setup file's fixed places and the locator files that name another folder.
inline constexpr const char* kSetupFileOnA = R"(a:\zel\setup\F.ZRB)";
inline constexpr const char* kSetupFileOnC = R"(c:\zel\setup\F.ZRB)";

// Search for the setup file: c:, the drive scan, the locator files, then a:, b:, c:. On a hit,
// SetupNotFound = 0 and SetupFile / SetupFolder name the file and its folder.
void FindSetupFile(App& app);
// One candidate of the drive scan: SetupFile is looked up; a hit clears SetupNotFound and sets
// SetupFolder. A lookup that fails counts as a miss.
void CkDrv(App& app);
// Read the setup file named by SetupFile into the state: station code, units, path table,
// dates and screen size. Throws on a damaged file (the caller's trap ends start-up).
void ReadSetupFile(App& app);

}  // namespace vt

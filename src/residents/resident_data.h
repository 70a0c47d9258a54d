#pragma once
// One resident's label texts from the records system's data file: name, diet line,
// nourishment lines of the four periods, copy marks, snack list following and dining rooms.
#include <array>
#include <optional>
#include <string>

#include "app/app.h"
#include "residents/resident.h"

namespace vt {

// The resident with key `id` from their data file, under the current settings (privacy level,
// tray labels, routine bedtime snacks) and the day's snack list. Throws FileError when a file
// that is there cannot be read.
Resident ReadResident(const App& app, const std::string& id);

// Load the resident named by ResidentId into the state (the caller has cleared SkipResident).
// A resident who gets no labels is marked by SkipResident = 1, or ResidentName "" or 30
// blanks.
void LoadResident(App& app);
// Whether the resident just loaded has a diet order of nothing by mouth (code 99): they get no
// nourishment labels.
bool TakesNothingByMouth(const AppState& st);

// The resident's data file in the station's data folder.
std::string ResidentFilePath(const AppState& st, const std::string& id);

// The copies a nourishment line asks for with its marks ("@" two labels: 1 extra, "#" three: 2),
// from `copies` before it; its character 0xFE becomes "=".
Int16 MarkLine(const AppState& st, std::string& line, Int16 copies);

// The bedtime lines from the first snack list row whose diet code range covers the diet
// codes, prefixed with the diet's texture; nullopt when no row does.
std::optional<std::array<std::string, 3>> FollowSnackList(const AppState& st,
                                                          const std::array<Int16, 4>& dietCodes,
                                                          bool mechanicalSoft, bool pureed);

// "Smith, John" -> "Smi., Jo.": the name form of the privacy levels that abbreviate.
std::string AbbreviatedName(const std::string& name);

// Whether a resident key from a unit file may name a file: a key holding a folder separator,
// a drive or ".." would reach outside the data folder.
bool IsSafeResidentKey(const std::string& key);

}  // namespace vt

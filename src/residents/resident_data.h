#pragma once
// One resident's label texts from the records system's data file: name, diet line,
// nourishment lines of the four periods, copy marks, snack list following and dining rooms.
#include <string>

#include "app/app.h"

namespace vt {

// Load the resident named by ResidentId (the caller has cleared SkipResident). A resident who
// gets no labels is marked by SkipResident = 1, or ResidentName "" or 30 blanks.
void LoadResident(App& app);
// Whether the resident just loaded has a diet order of nothing by mouth (code 99): they get no
// nourishment labels.
bool TakesNothingByMouth(const AppState& st);

// Apply the copy marks ("@" two labels, "#" three) of one nourishment line to PeriodCopies,
// and print the character 0xFE as "=".
void MarkLine(App& app, std::string& line, int period);

// Replace the bedtime lines with the items of the first snack list row whose diet code range
// covers the resident's diet codes, prefixed with the diet's texture.
void FollowSnackList(App& app, bool mechanicalSoft, bool pureed);

// "Smith, John" -> "Smi., Jo.": the name form of the privacy levels that abbreviate.
std::string AbbreviatedName(const std::string& name);

// Whether a resident key from a unit file may name a file: a key holding a folder separator,
// a drive or ".." would reach outside the data folder.
bool IsSafeResidentKey(const std::string& key);

}  // namespace vt

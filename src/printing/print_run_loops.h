#pragma once
#include <string>

#include "app/app.h"
#include "printing/run_request.h"

namespace vt {

// The loops of a print run: days, periods, units, residents and each resident's labels, placed
// in columns and rows on continuous sheets.
void PrintDays(App& app, const RunRequest& run);

// How many user-defined labels a real run of these settings prints when its count leaves it to
// the periods and days: 30 a period (tray labels three meals each) and day.
long UserLabelsAsPeriodsMake(const AppState& st);

// Why these settings print no label at all (an empty unit range, no day, no period); "" when
// they can print one.
std::string NothingToPrintBecause(const AppState& st, const RunRequest& run);

// A unit's name as printed: cut at a double blank, and after the first letter of "WING" or
// "STATION" (EAST WING becomes EAST W).
std::string ShortUnitName(const std::string& name);

}  // namespace vt

#pragma once
#include <string>

#include "app/app.h"

namespace vt {

// The loops of a print run: days, periods, units, residents and each resident's labels, placed
// in columns and rows on continuous sheets.
void PrintDays(App& app);

// A unit's name as printed: cut at a double blank, and after the first letter of "WING" or
// "STATION" (EAST WING becomes EAST W).
std::string ShortUnitName(const std::string& name);

}  // namespace vt

#pragma once
#include "app/app.h"

namespace vt {

// Load the snack list rows of the label day's weekday into SnackItems, SnackRangeA and
// SnackRangeB: twelve diet rows, three items each, and two diet code ranges per row.
void ReadDaySnacks(App& app);

}  // namespace vt

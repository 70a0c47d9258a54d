#pragma once
#include "app/app.h"

namespace vt {

// Check the "mm-dd-yyyy" start date text in FoundFile: its separators (characters 3 and 6)
// become "-", and DateValid is 1 for a real day of year 2000 or later, else 0.
void CkDate(App& app);

}  // namespace vt

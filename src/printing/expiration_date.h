#pragma once
#include "app/app.h"

namespace vt {

// ExpDate = LabelDate + DaysToExpire days, and its text "mm-dd-yy". A date beyond the
// calendar is told to the operator and the run's labels get no expiration line.
void GetExpDate(App& app);

}  // namespace vt

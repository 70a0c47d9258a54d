#pragma once
#include "app/app.h"

namespace vt {

// Add the station date's 3-character entry to the station's print log after a run that went
// to the printer, copy the log's first and last lines into unit file 1 (records 903 and 904)
// and back the log up. Every failure stops the logging silently.
void LogP(App& app);

}  // namespace vt

#pragma once
#include "app/app.h"

namespace vt {

// Start-up, the load handler of the main window: find and read the site's setup file, prepare
// the printer list and the station's small files, load the settings and the snack list, then
// preview (or, with the automatic-print marker, print and end). Any failure ends start-up
// silently at that step; what was done stays done and the window opens.
void Form_Load(App& app);

// LabelDate = today, LabelDateText = today as "mm-dd-yy".
void GetLdt(App& app);

}  // namespace vt

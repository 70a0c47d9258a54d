#pragma once
#include "app/app.h"

namespace vt {

// Make the saved printer (PrinterName, compared on its first 30 characters) the current one,
// or the system default when it is no longer installed; Combo1 shows the result.
void SelectSavedPrinter(App& app);

}  // namespace vt

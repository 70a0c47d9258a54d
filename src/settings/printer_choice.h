#pragma once
#include "app/app.h"

namespace vt {

// Make the saved printer (PrinterName, compared on its first 30 characters) the current one,
// or the system default when it is no longer installed; Combo1 shows the result.
void SelectSavedPrinter(App& app);

// Combo1 shows the current printer (no position when start-up did not list it).
void ShowCurrentPrinter(App& app);

}  // namespace vt

#pragma once
#include "app/app.h"

namespace vt {

// Make the saved printer (PrinterName, compared on its first 30 characters) the current one,
// or the system default when it is not installed; Combo1 shows the result. A saved printer
// that is missing keeps its name in PrinterName (StoredPrinterMissing), and the operator is
// told once; an automatic run does not print then.
void SelectSavedPrinter(App& app);

// Combo1 shows the current printer (no position when start-up did not list it).
void ShowCurrentPrinter(App& app);

}  // namespace vt

#pragma once
// The alignment test sheet: one sheet of the current label type on the current printer, for
// the operator to hold against a real label sheet and read the printer's drift off.
#include "app/app.h"
#include "platform/printers.h"

namespace vt {

// Prints every cell's outline, a cross where each cell's first text line starts, a millimetre
// ruler along the top and left edges, and the label type, printer and alignment in the first
// cell; the page is moved by `alignment` (the one being set, not yet kept). A failure is told
// in a message box; false then.
bool PrintTestSheet(App& app, const PrinterAlignment& alignment);

}  // namespace vt

#pragma once
// Each printer's alignment, kept per user (OpenUserConfig) under the printer's name: printers
// drift apart, and the operator sets each one once against its own label sheets.
#include <string>

#include "platform/printers.h"

namespace vt {

// What the user's configuration holds for the printer; none when it holds nothing. A distance
// that is not a finite number reads as 0, a scale as 100; beyond their reach, as the nearest
// end of it.
PrinterAlignment StoredAlignment(const std::string& printerName);
// Keep the alignment (taken within kMaxAlignmentMm) for the printer; none forgets it. False when
// the configuration file could not be written (the alignment is not kept).
bool StoreAlignment(const std::string& printerName, const PrinterAlignment& alignment);

}  // namespace vt

#pragma once
#include <QPageLayout>
#include <QPagedPaintDevice>

#include "platform/qt/page_device.h"

namespace vt {

// The full sheet with zero margins, so that twips measure from the paper's corner. Paper size
// codes are the printer object's: 1 letter, 5 legal, 9 A4; any other code prints on letter.
QPageLayout PaperLayout(const PageSetup& setup);

// Gives the device that layout for the pages to come. Throws std::runtime_error when the
// device refuses it: a page is never drawn on a paper other than the one asked for.
void SetPaper(QPagedPaintDevice& device, const PageSetup& setup);

// A letter sheet in twips, 8.5 x 11 inches.
inline constexpr double kLetterWidthTwips = 12240.0;
inline constexpr double kLetterHeightTwips = 15840.0;

}  // namespace vt

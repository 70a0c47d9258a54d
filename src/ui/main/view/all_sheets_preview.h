#pragma once
// "Preview All Sheets": every sheet the PRINT button would print now, drawn by a dry run and
// shown page by page as the run draws them, with the sheet count and the residents who got no
// label beside them.
#include <QWidget>

#include "app/app.h"

namespace vt {

enum class PreviewChoice { Closed, Print };

// Show the preview over `parent` until the operator closes it or chooses Print (the caller then
// prints as the PRINT button does). The window opens at once; the dry run goes on behind it,
// letting window events through between residents, and stops when the window closes.
PreviewChoice PreviewAllSheets(App& app, QWidget& parent);

}  // namespace vt

#pragma once
// "Preview All Sheets": every sheet the PRINT button would print now, drawn by a dry run and
// shown page by page as the run draws them, with the sheet count and the residents who got no
// label beside them.
#include <QWidget>

#include "app/app.h"
#include "ui/main/main_window_handlers.h"

namespace vt {

enum class PreviewChoice { Closed, Print, PrintAgain };

struct PreviewOutcome {
    PreviewChoice choice = PreviewChoice::Closed;
    PrintAgain again;  // PrintAgain: the sheets, or the label and its cell
};

// Show the preview over `parent` until the operator closes it, chooses Print (the caller then
// prints as the PRINT button does), or chooses to print some sheets or one label of it again.
// The window opens at once; the dry run goes on behind it, letting window events through
// between residents, and stops when the window closes. Once every sheet is drawn, a resident's
// labels can be found by name or room.
PreviewOutcome PreviewAllSheets(App& app, QWidget& parent);

}  // namespace vt

#pragma once
// What the main window's controls do when the operator uses them. Every confirmed change of a
// sheet setting is stored, read straight back and shown in a fresh preview. The Qt view calls
// these after copying the widget's value into its model.
#include <optional>

#include "app/app.h"
#include "app/run_report.h"
#include "platform/label_stock.h"
#include "platform/page_list.h"

namespace vt {

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyRight = 39;
inline constexpr int kRightButton = 2;

// Store the settings and read them back (SaveSet, GetSet).
void StoreAndReread(App& app);
// Draw the first sheet into the preview box again.
void RedrawPreview(App& app);

// Key down in text box TextN (N = 1..21).
void Text_KeyDown(App& app, int n, int keyCode);
// Text box TextN loses the focus.
void Text_LostFocus(App& app, int n);
// The mouse button comes up on check box CheckN (N = 1..13).
void Check_MouseUp(App& app, int n, int button);
// Week button OptionN (N = 1..5) clicked.
void Option_Click(App& app, int n);
// A printer chosen in Combo1 (its ListIndex is set).
void Combo1_Click(App& app);
// A label type chosen in Combo2 (its ListIndex is set).
void Combo2_Click(App& app);
void Combo2_KeyDown(App& app, int keyCode);
void Combo2_LostFocus(App& app);
// The PRINT button: the press chooses the printer, the click prints.
void Command1_MouseDown(App& app);
// A print run started from a window, then the preview of the next run's first sheet (a run
// that completed starts the next one at the first cell again, and the run drew nothing of its
// own into the preview). The ended run's report stays the one the windows tell.
void PrintThenPreview(App& app);
// What "Preview All Sheets" prints again: some sheets of the run it shows, or one of its labels
// alone in a cell of a fresh sheet.
struct PrintAgain {
    PageList sheets;
    std::optional<LabelKey> label;
    long cell = 1;
};
// That reprint to the current printer (a print run, logged and reported), then the preview as
// after PRINT. The start cell of the next run stays as it was.
void PrintAgainThenPreview(App& app, const PrintAgain& again);
// A standard sheet chosen in "Label Stock...": its geometry into the sheet fields of the
// current label type, its name as the type's name when the type has none, then stored, read
// back and shown, as after Enter in a sheet field.
void UseLabelStock(App& app, const LabelStock& stock);
// Set for ALL: every unit (but a holding unit at the end) and every resident.
void Command4_Click(App& app);
// The start date changed.
void wwDateTimeEdit1_Change(App& app);
// "Start at label" changed in either window: the next run's first cell of its first sheet,
// taken within the current sheet (1 to rows x columns), shown in the preview.
void StartAtLabel_Change(App& app, long cell);

}  // namespace vt

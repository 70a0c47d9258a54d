#pragma once
// What the simple window's controls do. The window holds no settings of its own: each control
// writes through to the main window's controls or the application state and lets the main
// window's print run do the work. The Qt view calls these after copying the widget's value into
// its model.
#include "app/app.h"

namespace vt {

// The mouse button comes up on period box CheckN (N = 1..4): the main window's box follows.
void Form2_Check_MouseUp(App& app, int n);
// The User box: user-defined labels on or off, shown in the preview at once.
void Form2_Check5_MouseUp(App& app);
// Leaving the user label text: save it, split it into label lines and preview them.
void Form2_Text1_LostFocus(App& app);
// PRINT Labels: the labels go to the printer.
void Form2_Command1_Click(App& app);
// Exit: leave the program as the main window's exit button does.
void Form2_Command2_Click(App& app);
// Advanced: show the main window; the simple window stays open.
void Form2_Command3_Click(App& app);
// A new start date: the main window's date edit takes it, so the print run starts there.
void Form2_wwDateTimeEdit1_Change(App& app);
// After the new start date is in: label date, days to expire and expiration date again.
void Form2_wwDateTimeEdit1_AfterUpdate(App& app);
// "Labels" changed: how many user-defined labels the next run prints (the number the periods
// and days make leaves the choice to them, as before).
void Form2_UserLabels_Change(App& app, long count);
// What "Labels" shows: the chosen number, or the one the periods and days make.
long Form2_UserLabelsShown(const App& app);

}  // namespace vt

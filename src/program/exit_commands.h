#pragma once
#include "app/app.h"

namespace vt {

// The exit button: stop a print run at its next resident, store the settings, save the snack
// list, end.
void Command3_Click(App& app);
// The "&x" button (Alt+X): the same as the exit button.
void Command2_Click(App& app);
// Closing the main window: the same as the exit button.
void Form_Unload(App& app);
// Escape in the main window stores the settings and ends; the snack list is not saved.
void Form_KeyDown(App& app, int keyCode);
// The main window loses the focus: store the settings.
void Form_LostFocus(App& app);

}  // namespace vt

#pragma once
#include <string>

#include "app/app.h"

namespace vt {

// Exit statuses, for whoever started the program (a scheduled job looks at them).
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;          // something went wrong; the cause is on stderr
inline constexpr int kExitNothingPrinted = 3;  // the operator's question was declined

// Ask the event loop to end the program; the caller has saved what it must.
void EndProgram(App& app, int exitStatus = kExitDone);
// The program cannot go on: one line on the error output says why, then it ends.
void EndProgramFailed(App& app, int exitStatus, const std::string& why);

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

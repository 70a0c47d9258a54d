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

}  // namespace vt

#pragma once
#include <string>

#include "app/app.h"

namespace vt {

// Exit statuses, for whoever started the program (a scheduled job looks at them).
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;          // something went wrong; the cause is on stderr
inline constexpr int kExitBadUsage = 2;        // the command line asked for something unknown
inline constexpr int kExitNothingPrinted = 3;  // declined, or no label to print

// Ask the event loop to end the program; the caller has saved what it must.
void EndProgram(App& app, int exitStatus = kExitDone);
// The program cannot go on: one line on the error output says why, then it ends.
void EndProgramFailed(App& app, int exitStatus, const std::string& why);

}  // namespace vt

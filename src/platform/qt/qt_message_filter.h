#pragma once
// Qt's own notes on the error output, less the ones that only tell how the session was set up.

namespace vt {

// Leaves out Qt's note that XDG_RUNTIME_DIR is not set (as under cron, where it never is): a
// scheduled run's error output then holds only what the program itself says. Every other
// message goes out as before. Call before the Qt application is made.
void LeaveOutSessionNotes();

}  // namespace vt

#include "app/program_end.h"

#include "platform/error_output.h"

namespace vt {
void EndProgram(App& app, int exitStatus) {
    // Ending the program also ends a print run in progress, at its next resident.
    app.st.StopRequested = 1;
    app.os.events.Quit(exitStatus);
}

void EndProgramFailed(App& app, int exitStatus, const std::string& why) {
    TellErrorOutput(why);
    EndProgram(app, exitStatus);
}

}  // namespace vt

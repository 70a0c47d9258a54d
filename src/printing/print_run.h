#pragma once
#include "app/app.h"
#include "printing/run_request.h"

namespace vt {

// The print run the state's flags ask for: labels to the printer, or the preview into Picture2
// (PreviewMode = 1).
void Command1_Click(App& app);
// A print run of the kind `run` asks for; the state's flags are set to it.
void PrintRun(App& app, RunRequest run);
// The Stop button: a real run in progress ends at its next resident, keeps no output and logs
// nothing; the program goes on. Nothing happens when no run is in progress.
void StopRun(App& app);

}  // namespace vt

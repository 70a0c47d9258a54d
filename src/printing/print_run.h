#pragma once
#include "app/app.h"

namespace vt {

// The print run: labels to the printer, or the preview into Picture2 (PreviewMode = 1).
void Command1_Click(App& app);
// The Stop button: a real run in progress ends at its next resident, keeps no output and logs
// nothing; the program goes on. Nothing happens when no run is in progress.
void StopRun(App& app);

}  // namespace vt

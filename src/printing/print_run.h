#pragma once
#include "app/app.h"

namespace vt {

// The print run: labels to the printer, or the preview into Picture2 (PreviewMode = 1).
void Command1_Click(App& app);

}  // namespace vt

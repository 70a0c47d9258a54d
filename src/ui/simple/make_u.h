#pragma once
#include "app/app.h"

namespace vt {

// Split the user-defined label's text ULabelText into the label lines UserLines.
void MakeU(App& app);

}  // namespace vt

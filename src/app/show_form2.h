#pragma once
#include "app/app.h"

namespace vt {

// Copy the main window's period settings onto the simple window and show it.
void ShowForm2(App& app);

}  // namespace vt

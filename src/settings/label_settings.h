#pragma once
#include "app/app.h"

namespace vt {

// Read the label settings file into the main window's controls and the application state.
void GetSet(App& app);
// Write the main window's controls into the label settings file.
void SaveSet(App& app);

}  // namespace vt

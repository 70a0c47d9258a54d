#pragma once
#include "app/app.h"

namespace vt {

// Load the current week's snack list into the editor, creating it from a template if missing.
void loadfil(App& app);
// Save the editor's text to the open snack list file.
void savefil(App& app);

}  // namespace vt

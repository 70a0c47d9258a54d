#pragma once
#include "app/app.h"

namespace vt {

// Look up the dining room whose code is WorkText (trimmed and upper-cased by the caller) in the
// station's dining file; DiningFound gets its 38-character name, or "" when none matches.
void GetDining(App& app);

}  // namespace vt

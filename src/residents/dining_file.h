#pragma once
#include "app/app.h"

namespace vt {

// The 38-character name of the dining room whose code is `code` (trimmed and upper-cased by the
// caller) in the station's dining file, or "" when none matches.
std::string GetDining(const App& app, const std::string& code);

}  // namespace vt

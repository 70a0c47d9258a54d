#pragma once
#include <string>
#include <string_view>

#include "app/app.h"

namespace vt {

// The user-label file's bytes: the text as one quoted field, a mark inside it doubled so that
// reading the field back gives the text unchanged, then CR LF.
std::string UserLabelFileBytes(std::string_view text);

// Replace ULabelFile with ULabelText. A file that cannot be written keeps its old bytes; the
// operator is told once, and the text stays in the window until a later save succeeds.
void SaveUserLabel(App& app);

}  // namespace vt

#pragma once
#include <string>

namespace vt {

// The printed name of a period from its check box caption: the access-key marker "&" is
// taken out when it stands first, second or third, and blanks are trimmed.
std::string MkX(const std::string& caption);

}  // namespace vt

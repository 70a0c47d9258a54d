#pragma once
// The data files hold single-byte text: Windows-1252, and code page 437 in the snack list.
// Conversion to and from UTF-8 happens only where text meets the screen or the printer.
#include <string>
#include <string_view>

namespace vt {

enum class CodePage { Cp1252, Cp437 };

std::string ToUtf8(std::string_view bytes, CodePage cp = CodePage::Cp1252);
// Characters the code page cannot hold become '?'.
std::string FromUtf8(std::string_view utf8, CodePage cp = CodePage::Cp1252);

}  // namespace vt

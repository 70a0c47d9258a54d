#pragma once
// Small text helpers over single-byte strings, 1-based like the record layouts.
#include <string>
#include <string_view>

namespace vt {

// Characters from 1-based position `start`, at most `length` of them; empty past the end.
std::string Mid(std::string_view s, std::size_t start, std::size_t length = std::string::npos);
std::string Left(std::string_view s, std::size_t length);
std::string Right(std::string_view s, std::size_t length);
std::string Trim(std::string_view s);   // blanks at both ends
std::string RTrim(std::string_view s);  // trailing blanks
std::string LTrim(std::string_view s);  // leading blanks
std::string UCase(std::string_view s);  // ASCII letters only, as the keywords are ASCII
std::string LCase(std::string_view s);
// 1-based position of `what` in `s` from `start`, 0 when absent.
std::size_t InStr(std::string_view s, std::string_view what, std::size_t start = 1);
// `s` cut or padded with blanks to exactly `width` characters.
std::string PadTo(std::string_view s, std::size_t width);
// Overwrite `value` into `record` at 1-based column `start`, padded or cut to `width`.
void PutField(std::string& record, std::size_t start, std::size_t width, std::string_view value);

}  // namespace vt

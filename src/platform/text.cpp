#include "platform/text.h"

#include <stdexcept>

namespace vt {

namespace {

// Position 0 does not exist in 1-based counting; reading helpers take it as the first
// character rather than failing.
std::size_t ZeroBased(std::size_t start) {
    return start == 0 ? 0 : start - 1;
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string Mid(std::string_view s, std::size_t start, std::size_t length) {
    const std::size_t from = ZeroBased(start);
    if (from >= s.size()) return {};
    return std::string(s.substr(from, length));
}

std::string Left(std::string_view s, std::size_t length) {
    return std::string(s.substr(0, length));
}

std::string Right(std::string_view s, std::size_t length) {
    if (length >= s.size()) return std::string(s);
    return std::string(s.substr(s.size() - length));
}

std::string Trim(std::string_view s) {
    return LTrim(RTrim(s));
}

std::string RTrim(std::string_view s) {
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string LTrim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string UCase(std::string_view s) {
    std::string result(s);
    for (char& c : result) c = AsciiUpper(c);
    return result;
}

std::string LCase(std::string_view s) {
    std::string result(s);
    for (char& c : result) c = AsciiLower(c);
    return result;
}

std::size_t InStr(std::string_view s, std::string_view what, std::size_t start) {
    const std::size_t from = ZeroBased(start);
    if (from > s.size()) return 0;
    if (what.empty()) return from < s.size() ? from + 1 : 0;
    const std::size_t found = s.find(what, from);
    return found == std::string_view::npos ? 0 : found + 1;
}

std::string PadTo(std::string_view s, std::size_t width) {
    std::string result(s.substr(0, width));
    result.resize(width, ' ');
    return result;
}

void PutField(std::string& record, std::size_t start, std::size_t width, std::string_view value) {
    // Writing to column 0 would shift a field onto its neighbour; that is a caller's bug, not
    // something to guess at.
    if (start == 0) throw std::out_of_range("PutField: columns count from 1");
    const std::size_t from = start - 1;
    if (record.size() < from + width) record.resize(from + width, ' ');
    record.replace(from, width, PadTo(value, width));
}

}  // namespace vt

#include "platform/qt/font_names.h"

#include <array>
#include <string_view>
#include <utility>

namespace vt {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// "CB1", "CB8" and "CB10" are the narrow label fonts of the site; "MonoG" is its fixed pitch
// font with the line drawing characters of code page 437.
constexpr std::array<std::pair<std::string_view, const char*>, 8> kSiteFonts{{
    {"Times New Roman", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"MS Sans Serif", "Liberation Sans"},
    {"MonoG", "DejaVu Sans Mono"},
    {"CB1", "Liberation Sans Narrow"},
    {"CB8", "Liberation Sans Narrow"},
    {"CB10", "Liberation Sans Narrow"},
}};

}  // namespace

QString InstalledFontFamily(const std::string& siteName) {
    for (const auto& [site, installed] : kSiteFonts) {
        if (SameIgnoringCase(site, siteName)) return QString::fromLatin1(installed);
    }
    return QString::fromStdString(siteName);
}

}  // namespace vt

#include "platform/qt/font_names.h"

#include <array>
#include <string_view>

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

struct SiteFont {
    std::string_view site;
    const char* installed;
    int stretch;  // per cent of the installed font's own width
};

// "CB1", "CB8" and "CB10" are the narrow label fonts of the site; "MonoG" is its fixed pitch
// font with the line drawing characters of code page 437. MonoG is narrower than DejaVu Sans
// Mono: the snack menu sets 164 of its columns in 8-point type from 100 twips across a
// landscape letter page, which at DejaVu's own width would run 3 points off the paper. At 95
// per cent they end half an inch from the edge, clear of a printer's unprintable margin.
constexpr std::array<SiteFont, 8> kSiteFonts{{
    {"Times New Roman", "Liberation Serif", 100},
    {"Arial", "Liberation Sans", 100},
    {"Arial Narrow", "Liberation Sans Narrow", 100},
    {"MS Sans Serif", "Liberation Sans", 100},
    {"MonoG", "DejaVu Sans Mono", 95},
    {"CB1", "Liberation Sans Narrow", 100},
    {"CB8", "Liberation Sans Narrow", 100},
    {"CB10", "Liberation Sans Narrow", 100},
}};

const SiteFont* Find(const std::string& siteName) {
    for (const SiteFont& font : kSiteFonts) {
        if (SameIgnoringCase(font.site, siteName)) return &font;
    }
    return nullptr;
}

}  // namespace

QString InstalledFontFamily(const std::string& siteName) {
    const SiteFont* font = Find(siteName);
    return font ? QString::fromLatin1(font->installed) : QString::fromStdString(siteName);
}

QFont InstalledFont(const std::string& siteName) {
    QFont font(InstalledFontFamily(siteName));
    const SiteFont* site = Find(siteName);
    if (site && site->stretch != 100) font.setStretch(site->stretch);
    return font;
}

}  // namespace vt

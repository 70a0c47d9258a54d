#pragma once
// The site's font names are Windows fonts that Linux does not have; each maps to an installed
// font with the same metrics (the Liberation family) or the same role (a fixed pitch font that
// holds the box drawing characters of the snack menu).
#include <QFont>
#include <QString>
#include <string>

namespace vt {

// The installed family to use for a site font name. Names without a mapping pass through
// unchanged, so fontconfig can still find them or pick its own substitute.
QString InstalledFontFamily(const std::string& siteName);

// The installed font for a site font name, set as narrow as the site font where it is wider:
// the family of InstalledFontFamily, condensed where needed, with no size set.
QFont InstalledFont(const std::string& siteName);

}  // namespace vt

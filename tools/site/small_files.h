#pragma once
// The small per-station files other programs of the family write: site title, automatic-print
// marker, locator file, user-label text and label template.
#include <filesystem>
#include <string>
#include <string_view>

#include "site/site_layout.h"

namespace vt::site {

// "conm.": one 200-byte record holding the title, blank-padded.
std::string SiteTitleBytes(std::string_view title);
void WriteSiteTitle(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                    std::string_view title);

// "autop.": only its existence counts; written empty.
void WriteAutoPrintMarker(const std::filesystem::path& drivesRoot, const SiteLayout& layout);

// "a:\find.zrb" or "b:\find.zrb": a 40-byte record whose text up to the first blank names the
// folder holding the setup file ("f.zrb"). The text is written as given, so it may carry a
// blank and further words.
std::string LocatorFileBytes(std::string_view folderText);
void WriteLocatorFile(const std::filesystem::path& drivesRoot, char driveLetter,
                      std::string_view folderText);

// "ULabel.": one text field and CR LF. Quoted is how the program writes it; unquoted lets a
// test give the reader a field that ends at a comma.
std::string UserLabelTextBytes(std::string_view text, bool quoted = true);
void WriteUserLabelText(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                        std::string_view text, bool quoted = true);

// "templ.": an 82-byte record file the program opens but never reads; written empty.
void WriteLabelTemplate(const std::filesystem::path& drivesRoot, const SiteLayout& layout);

}  // namespace vt::site

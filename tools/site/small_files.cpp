#include "site/small_files.h"

#include "platform/text.h"
#include "site/site_files.h"

namespace vt::site {

std::string SiteTitleBytes(std::string_view title) {
    return PadTo(title, 200);
}

void WriteSiteTitle(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                    std::string_view title) {
    WriteSiteFile(drivesRoot, layout.SetupPath("conm"), SiteTitleBytes(title));
}

void WriteAutoPrintMarker(const std::filesystem::path& drivesRoot, const SiteLayout& layout) {
    WriteSiteFile(drivesRoot, layout.SetupPath("autop"), "");
}

std::string LocatorFileBytes(std::string_view folderText) {
    return PadTo(folderText, 40);
}

void WriteLocatorFile(const std::filesystem::path& drivesRoot, char driveLetter,
                      std::string_view folderText) {
    WriteSiteFile(drivesRoot, std::string(1, driveLetter) + ":\\find.zrb",
                  LocatorFileBytes(folderText));
}

std::string UserLabelTextBytes(std::string_view text, bool quoted) {
    const std::string field(text);
    return (quoted ? "\"" + field + "\"" : field) + "\r\n";
}

void WriteUserLabelText(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                        std::string_view text, bool quoted) {
    WriteSiteFile(drivesRoot, layout.UserLabelPath(), UserLabelTextBytes(text, quoted));
}

void WriteLabelTemplate(const std::filesystem::path& drivesRoot, const SiteLayout& layout) {
    WriteSiteFile(drivesRoot, layout.Path(SiteLayout::kDining, "\\templ." + layout.station), "");
}

}  // namespace vt::site

#include "site/site_layout.h"

#include "site/site_files.h"

namespace vt::site {

SiteLayout::SiteLayout() : paths(1, kDefaultPathCount) {
    for (int i = 1; i <= kDefaultPathCount; ++i) paths(i) = "c:\\zel\\t" + std::to_string(i);
    paths(kSetupFolder) = "c:\\zel\\setup";
    paths(kDataRoot) = "c:\\zel";
    paths(kSnackLists) = "c:\\zel\\snack";
    paths(kFamilyRoot) = "c:\\zel";
    paths(kTemplates) = "c:\\zel\\templ";
    paths(kDining) = "c:\\zel\\dine";
    paths(kUnitLists) = "c:\\zel\\units";
    paths(kPictures) = "c:\\zel\\pics";
}

std::string SiteLayout::Path(int index, std::string_view piece) const {
    return paths(index) + std::string(piece);
}

std::string SiteLayout::SetupFilePath() const {
    return "c:\\zel\\setup\\F.ZRB";
}

std::string SiteLayout::SetupPath(std::string_view stem) const {
    return Path(kFamilyRoot, "\\setup\\" + std::string(stem) + "." + station);
}

std::string SiteLayout::ResidentFolder() const {
    return Path(kDataRoot, "\\data" + station);
}

std::string SiteLayout::ResidentPath(std::string_view key) const {
    return ResidentFolder() + "\\" + std::string(key) + ".~" + station;
}

std::string SiteLayout::UnitPath(int unitNo) const {
    return Path(kUnitLists, "\\sfl" + std::to_string(unitNo) + "." + station);
}

std::string SiteLayout::PicturePath(std::string_view key, std::string_view extension) const {
    return Path(kPictures, "\\" + std::string(key) + std::string(extension));
}

std::string SiteLayout::DiningPath() const {
    return Path(kDining, "\\dining." + station);
}

std::string SiteLayout::UserLabelPath() const {
    return Path(kDataRoot, "\\ULabel." + station);
}

std::string SiteLayout::SnackTemplatePath(int week, std::string_view suffix) const {
    return Path(kTemplates, "\\snack" + std::to_string(week) + "." + std::string(suffix));
}

std::string SiteLayout::SnackListPath(int week) const {
    return Path(kSnackLists, "\\Snk" + std::to_string(week) + "." + station);
}

void MakeFolders(const std::filesystem::path& drivesRoot, const SiteLayout& layout) {
    for (long i = layout.paths.LBound(); i <= layout.paths.UBound(); ++i) {
        if (!layout.paths(i).empty()) {
            std::filesystem::create_directories(HostPath(drivesRoot, layout.paths(i)));
        }
    }
    for (const std::string& folder :
         {layout.ResidentFolder(), layout.Path(SiteLayout::kTemplates, "\\misc"),
          layout.Path(SiteLayout::kFamilyRoot, "\\setup")}) {
        std::filesystem::create_directories(HostPath(drivesRoot, folder));
    }
}

}  // namespace vt::site

#pragma once
// Where a site keeps its files: the station code and the path table that the setup file
// carries, composed into file names the way the program composes them.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/vb_array.h"

namespace vt::site {

struct SiteLayout {
    // Path table indices the program uses.
    static constexpr int kSetupFolder = 1;
    static constexpr int kDataRoot = 2;     // resident data under "\data<station>", ULabel.
    static constexpr int kSnackLists = 6;   // "\Snk<week>.<station>"
    static constexpr int kFamilyRoot = 23;  // "\setup\..." per-station files
    static constexpr int kTemplates = 35;   // "\snack..." templates, "\misc\v1.1"
    static constexpr int kDining = 39;      // "\dining.", "\templ."
    static constexpr int kUnitLists = 40;   // "\sfl<unit>.<station>"
    static constexpr int kPictures = 42;    // "<key>.asz", ".jpg", ".gif", ...
    static constexpr int kDefaultPathCount = 44;

    // The default site: station "D1" under c:\zel, every unused index a harmless folder
    // "c:\zel\t<i>".
    SiteLayout();

    std::string station = "D1";
    VbArray<std::string> paths;  // SetupTable(1..N)

    // SetupTable(index) & piece, e.g. Path(23, "\setup\conm.D1").
    std::string Path(int index, std::string_view piece = {}) const;

    // Names of the per-station and per-resident files.
    std::string SetupFilePath() const;  // always "c:\zel\setup\F.ZRB", where start-up looks
    std::string SetupPath(std::string_view stem) const;  // Path(23, "\setup\" stem "." station)
    std::string ResidentFolder() const;                  // Path(2, "\data" station)
    std::string ResidentPath(std::string_view key) const;
    std::string UnitPath(int unitNo) const;
    std::string PicturePath(std::string_view key, std::string_view extension) const;
    std::string DiningPath() const;
    std::string UserLabelPath() const;
    // Template folder: "snack<week>.<suffix>", suffix the station or "1".
    std::string SnackTemplatePath(int week, std::string_view suffix) const;
    std::string SnackListPath(int week) const;
};

// Create every folder the layout names, the resident data folder, and "misc" under the
// template folder and "setup" under the family root.
void MakeFolders(const std::filesystem::path& drivesRoot, const SiteLayout& layout);

}  // namespace vt::site

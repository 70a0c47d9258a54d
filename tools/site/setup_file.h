#pragma once
// The site's setup file (F.ZRB) that the records system maintains: 32-byte records holding the
// station code, the nursing units, the path table and the station dates.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "site/site_layout.h"

namespace vt::site {

struct NursingUnit {
    int size = 20;     // highest resident slot the print run visits, 3 columns
    std::string name;  // 20 columns as stored
};

struct SetupFile {
    std::string station = "D1";  // columns 1-3 exactly as given, blank-padded ("D1 ", " AB")
    // Counts normally follow the vectors; set them to write a damaged or inconsistent file.
    std::optional<int> unitCount;
    std::optional<int> pathCount;
    int defaultUnit = 1;
    std::string facilityName;  // record 4, 29 columns
    std::vector<NursingUnit> units;
    std::vector<std::string> paths;  // SetupTable(1..N), at most 30 characters each
    // StationDates(i) at index i; the program reads elements 1-5, 7 and 9 (6, 8, 10 unused).
    // Element 1 is the records system's current date "mm-dd-yy"; blank makes the program
    // fall back to today.
    std::array<std::string, 11> stationDates{};
    // Record 200 column 9; the record is written only when set.
    std::optional<int> screenSize;

    int UnitCount() const;
    int PathCount() const;
};

// A setup file carrying the layout's station code and path table.
SetupFile SetupFileFor(const SiteLayout& layout);

// Every record, 32 bytes each, blank-padded: records 1-4, the units, the path table, the 30
// unused records, the three date records, and record 200 when a screen size is set.
// Throws std::invalid_argument for a path entry longer than 30 characters (cutting it would
// silently name another folder) or when record 200 would overlap the date records.
std::string SetupFileBytes(const SetupFile& setup);

void WriteSetupFile(const std::filesystem::path& drivesRoot, std::string_view winPath,
                    const SetupFile& setup);

}  // namespace vt::site

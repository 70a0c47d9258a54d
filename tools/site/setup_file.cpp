#include "site/setup_file.h"

#include <stdexcept>

#include "platform/numbers.h"
#include "platform/record_image.h"
#include "site/site_files.h"

namespace vt::site {

namespace {

constexpr std::size_t kRecordLength = 32;
constexpr std::size_t kPathWidth = 30;
constexpr std::size_t kScreenSizeRecord = 200;

}  // namespace

int SetupFile::UnitCount() const {
    return unitCount.value_or(static_cast<int>(units.size()));
}

int SetupFile::PathCount() const {
    return pathCount.value_or(static_cast<int>(paths.size()));
}

SetupFile SetupFileFor(const SiteLayout& layout) {
    SetupFile setup;
    setup.station = layout.station;
    for (long i = layout.paths.LBound(); i <= layout.paths.UBound(); ++i) {
        setup.paths.push_back(layout.paths(i));
    }
    return setup;
}

std::string SetupFileBytes(const SetupFile& setup) {
    // Two columns hold each count; anything else cannot be written into record 1.
    if (setup.UnitCount() < 0 || setup.UnitCount() > 99 || setup.PathCount() < 0 ||
        setup.PathCount() > 99) {
        throw std::invalid_argument("setup file counts must lie in 0..99");
    }
    RecordImage file(kRecordLength);
    file.Put(1, 1, 3, setup.station);
    file.Put(1, 4, 2, NumText(setup.UnitCount()));
    file.Put(1, 6, 2, NumText(setup.PathCount()));
    file.Put(1, 8, 2, NumText(setup.defaultUnit));
    file.Put(4, 1, 29, setup.facilityName);

    // The unit and path records follow each other as the vectors say; the date records are
    // placed by the counts in record 1, which is where the program looks for them.
    std::size_t n = 5;
    for (const NursingUnit& unit : setup.units) {
        file.Put(n, 1, 3, NumText(unit.size));
        file.Put(n, 4, 20, unit.name);
        ++n;
    }
    for (const std::string& path : setup.paths) {
        if (path.size() > kPathWidth) {
            throw std::invalid_argument("path table entry longer than 30 characters: " + path);
        }
        file.Put(n++, 1, kPathWidth, path);
    }

    const auto dates = static_cast<std::size_t>(35 + setup.UnitCount() + setup.PathCount());
    const auto& d = setup.stationDates;
    file.Put(dates, 7, 8, d[1]);
    file.Put(dates, 15, 8, d[2]);
    file.Put(dates, 23, 8, d[3]);
    file.Put(dates + 1, 1, 8, d[4]);
    file.Put(dates + 1, 9, 8, d[5]);
    file.Put(dates + 1, 17, 3, d[9]);
    file.Put(dates + 2, 1, 14, d[7]);
    file.Reserve(n);

    if (setup.screenSize) {
        if (dates + 2 >= kScreenSizeRecord) {
            throw std::invalid_argument("setup file too long for the screen size record");
        }
        file.Put(kScreenSizeRecord, 9, 1, NumText(*setup.screenSize));
    }
    return file.bytes();
}

void WriteSetupFile(const std::filesystem::path& drivesRoot, std::string_view winPath,
                    const SetupFile& setup) {
    WriteSiteFile(drivesRoot, winPath, SetupFileBytes(setup));
}

}  // namespace vt::site

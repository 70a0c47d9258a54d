#include "site/resident_file.h"

#include <cstdio>
#include <stdexcept>

#include "platform/record_image.h"
#include "site/site_files.h"

namespace vt::site {

namespace {

constexpr std::size_t kRecordLength = 82;
constexpr std::size_t kLastRecord = 63;

struct DietColumns {
    std::size_t code, text, textWidth;
};
constexpr std::array<DietColumns, 4> kDietColumns{
    {{11, 15, 13}, {29, 33, 13}, {47, 51, 14}, {66, 70, 10}}};

// First record of each period's nourishment lines; the 2pm period has only two.
constexpr std::array<std::size_t, 4> kFirstLineRecord{50, 54, 57, 61};
constexpr std::array<std::size_t, 4> kLinesInPeriod{3, 2, 3, 3};

std::string DietCodeText(int code) {
    if (code < 0 || code > 999) {
        throw std::invalid_argument("diet code outside 0..999: " + std::to_string(code));
    }
    if (code == 0) return {};
    char digits[4];
    std::snprintf(digits, sizeof digits, "%03d", code);
    return digits;
}

}  // namespace

std::string ResidentFileBytes(const Resident& resident) {
    RecordImage file(kRecordLength);
    file.Reserve(kLastRecord);
    file.Put(1, 1, 7, resident.key);
    file.Put(1, 10, 1,
             std::string(1, resident.active ? static_cast<char>(Resident::kActiveStatus)
                                            : resident.inactiveStatus));
    file.Put(2, 5, 6, resident.location);
    file.Put(2, 15, 25, resident.name);
    for (std::size_t meal = 0; meal < 3; ++meal) {
        file.Put(4, 43 + 6 * meal, 3, resident.diningCodes[meal]);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const DietColumns& at = kDietColumns[i];
        file.Put(8, at.code, 3, DietCodeText(resident.diets[i].code));
        file.Put(8, at.text, at.textWidth, resident.diets[i].text);
    }
    for (std::size_t period = 0; period < 4; ++period) {
        const auto& lines = resident.nourishments[period];
        for (std::size_t k = 0; k < 3; ++k) {
            if (k >= kLinesInPeriod[period]) {
                if (!lines[k].empty()) {
                    throw std::invalid_argument("the 2pm period has two nourishment lines");
                }
                continue;
            }
            file.Put(kFirstLineRecord[period] + k, 43, 29, lines[k]);
        }
    }
    return file.bytes();
}

void WriteResidentFile(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                       const Resident& resident) {
    WriteSiteFile(drivesRoot, layout.ResidentPath(resident.key), ResidentFileBytes(resident));
}

}  // namespace vt::site

#pragma once
// The demo site: a care home of three nursing units that the README's demo command writes and
// that tests use as a complete fixture. Tests compare against the constants here.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/date.h"
#include "site/dining_file.h"
#include "site/label_settings.h"
#include "site/label_types.h"
#include "site/resident_file.h"
#include "site/site_layout.h"
#include "site/snack_template.h"

namespace vt::site::demo {

inline constexpr const char* kStation = "D1";
inline constexpr int kPathCount = 44;
inline constexpr const char* kFacilityName = "MAPLE GROVE CARE CENTER";
inline constexpr const char* kSiteTitle = "Maple Grove Care Center - Dietary Office";
inline constexpr const char* kUserLabelText = "Happy Birthday, Rose!";
inline constexpr int kUnitCount = 3;
inline constexpr int kDefaultUnit = 1;
// The two blanks in "GARDEN  COURT" and the words WING and STATION shorten on the labels.
inline constexpr std::array<const char*, kUnitCount> kUnitNames{"EAST WING", "2 NORTH STATION",
                                                                "GARDEN  COURT"};
inline constexpr std::array<const char*, kUnitCount> kShortUnitNames{"EAST W", "2 NORTH S",
                                                                     "GARDEN"};
inline constexpr std::array<int, kUnitCount> kUnitSizes{24, 22, 20};
inline constexpr int kLabelTypeCount = 4;
inline constexpr const char* kFirstLabelTypeName = "Avery 5160 3 across";

// Residents that show one feature each (unit 1, slot = last digits of the key).
inline constexpr const char* kKeyJpeg = "1001";         // plain .jpg, converted on first use
inline constexpr const char* kKeyTwoCopies = "1002";    // "@" at 10am, .asz picture
inline constexpr const char* kKeyFollow = "1003";       // H.S. "FOLLOW", pureed, .gif
inline constexpr const char* kKeyBmp = "1004";          // .bmp picture, lower-case dining code
inline constexpr const char* kKeyInactive = "1005";     // status not 0xC4
inline constexpr const char* kKeyScreened = "1006";     // .asz with a .flt screen, 0xFE line
inline constexpr const char* kKeyNoPicture = "1007";    // .vly marker, "~" line
inline constexpr int kEmptySlot = 8;                    // unit 1 slot without a key
inline constexpr const char* kKeyCode99 = "1009";       // diet code 99: no labels
inline constexpr const char* kKeyThreeCopies = "1010";  // "#" at 2pm
inline constexpr const char* kKeyTube = "1011";         // TUBE diet text left out of the line
inline constexpr const char* kKeyDischarged = "1024";   // in the unit list, no data file
inline constexpr int kDischargedSlot = 24;

}  // namespace vt::site::demo

namespace vt::site {

enum class DemoPicture { None, Jpeg, Asz, Gif, Bmp, ScreenedAsz, NoPicture };

struct DemoResident {
    int unit = 1;
    int slot = 1;
    Resident resident;
    DemoPicture picture = DemoPicture::None;
};

// Every resident that has a data file, in unit and slot order.
std::vector<DemoResident> DemoResidents();
// Unit u's resident list: keysBySlot[slot - 1], with empty slots and the discharged key.
std::vector<std::string> DemoUnitKeys(int unit);

SiteLayout DemoLayout();
std::vector<DiningRoom> DemoDiningRooms();
std::vector<LabelType> DemoLabelTypes(const Date& today);
SnackTemplate DemoSnackTemplate();
// Start date today + 1, so the first print asks no date question.
LabelSettings DemoLabelSettings(const Date& today);

// Writes the whole site into the drives folder; the automatic-print marker only when asked.
void BuildDemoSite(const std::filesystem::path& drivesRoot, const Date& today, bool autoPrint);

}  // namespace vt::site

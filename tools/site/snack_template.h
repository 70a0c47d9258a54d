#pragma once
// A snack list template ("snack<week>.<station>", "snack1.1"): 56 lines of exactly 164
// characters and CR LF in code page 437. Line 1 is the title, lines 2-4 the headings (line 4 a
// rule), lines 5-52 twelve diet rows of three item lines and a rule line, lines 53-56 notes.
// Columns 1-16 hold a row's label and, in its third item line, its diet code ranges; day
// cells of 20 characters start at columns 18, 39, ..., 144 (Sunday to Saturday) between
// vertical lines at 17, 38, ..., 143 and 164.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "site/site_layout.h"

namespace vt::site {

// Texts are UTF-8 and written in code page 437 ("½" fits, characters it lacks become '?').
struct SnackRow {
    std::array<std::string, 2> label{};  // columns 2-16 of the first and second item line
    // Diet code ranges, written as three digits in columns 2-4, 6-8, 10-12 and 14-16 of the
    // third item line. A low end of 0 makes the range match nothing.
    int rangeALow = 0, rangeAHigh = 0, rangeBLow = 0, rangeBHigh = 0;
    std::array<std::array<std::string, 3>, 7> items{};  // [Sunday..Saturday][item line]
};

struct SnackTemplate {
    std::string title = "WEEKLY SNACK MENU";                                // centred on line 1
    std::array<std::string, 2> blockHeadings{" DIET", " A:LO-HI B:LO-HI"};  // lines 2, 3
    std::array<std::string, 7> dayNames{"SUNDAY",   "MONDAY", "TUESDAY", "WEDNESDAY",
                                        "THURSDAY", "FRIDAY", "SATURDAY"};  // line 3, centred
    std::array<SnackRow, 12> rows{};
    std::array<std::string, 4> notes{};  // lines 53-56
};

inline constexpr std::size_t kSnackLineWidth = 164;
inline constexpr std::size_t kSnackLines = 56;

// Column of the first character of weekday w's cell (1 = Sunday .. 7 = Saturday).
constexpr std::size_t SnackDayColumn(int weekday) {
    return 18 + 21 * static_cast<std::size_t>(weekday - 1);
}

// Exactly 56 x 166 bytes.
std::string SnackTemplateBytes(const SnackTemplate& snacks);

// Writes the template folder's "snack<week>.<suffix>" (suffix the station code, or "1").
void WriteSnackTemplate(const std::filesystem::path& drivesRoot, const SiteLayout& layout, int week,
                        std::string_view suffix, const SnackTemplate& snacks);

}  // namespace vt::site

#pragma once
// A resident's data file in the records system: 82-byte records of Windows-1252 text.
//
// Every text here is single-byte Windows-1252 as the file holds it, not UTF-8: the
// nourishment lines use the byte 0xFE ("\xFE"), which prints as "=".
#include <array>
#include <filesystem>
#include <string>

#include "site/site_layout.h"

namespace vt::site {

struct DietOrder {
    int code = 0;      // 1-999 written as three digits ("005"); 0 leaves the field blank
    std::string text;  // cut to its field: 13, 13, 14 and 10 columns for orders 1-4
};

struct Resident {
    static constexpr unsigned char kActiveStatus = 0xC4;

    std::string key;                           // file name and unit list key, at most 7 characters
    bool active = true;                        // record 1 column 10: 0xC4 when active
    char inactiveStatus = 'X';                 // the status written when not active
    std::string location;                      // record 2 columns 5-10, printed before the name
    std::string name;                          // record 2 columns 15-39, "Last, First"
    std::array<std::string, 3> diningCodes{};  // record 4 columns 43, 49, 55 (3 each)
    std::array<DietOrder, 4> diets{};          // record 8
    // Nourishment lines of periods 10am, 2pm, 3pm and H.S., columns 43-71 of records 50-52,
    // 54-55, 57-59 and 61-63. The 2pm period has two lines: its third must stay empty.
    std::array<std::array<std::string, 3>, 4> nourishments{};
};

// The file's 63 records. Throws std::invalid_argument for a third 2pm line or a diet code
// outside 0..999.
std::string ResidentFileBytes(const Resident& resident);

// Writes SetupTable(2)\data<station>\<key>.~<station>.
void WriteResidentFile(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                       const Resident& resident);

}  // namespace vt::site

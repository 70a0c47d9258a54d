#pragma once
#include <string>

namespace vt {

// A "mm-dd-yyyy" start date text as checked: its separators (characters 3 and 6) made "-",
// and whether it names a real day of year 2000 or later.
struct CheckedDate {
    std::string text;
    bool valid = false;
};
CheckedDate CkDate(std::string text);

}  // namespace vt

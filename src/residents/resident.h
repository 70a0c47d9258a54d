#pragma once
// One resident as the records system's data file gives them for labels.
#include <array>
#include <string>

#include "app/app_state.h"

namespace vt {

struct Resident {
    // How far the file took the resident: no file (or a key that names none), not active,
    // nothing by mouth (no nourishment labels), or read whole.
    enum class Found { NoFile, Inactive, NothingByMouth, Whole };
    Found found = Found::NoFile;
    std::string name;  // location and name, abbreviated under privacy levels 1, 3 and 4
    std::string diet;  // the diet line
    std::array<Int16, 4> dietCodes{};
    // Each period's nourishment lines as printed: 29 blanks for an empty or "~" line, "" past
    // the period's lines (the 2pm period has two).
    std::array<std::array<std::string, 3>, 4> lines{};
    std::array<Int16, 4> copies{};        // extra copies of each period's label
    std::array<std::string, 3> dining{};  // breakfast, lunch and supper rooms (tray labels on)
};

}  // namespace vt

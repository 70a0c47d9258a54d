#pragma once
// The records system's dining file ("dining.<station>"): 48-byte records, the room code in
// columns 5-7 and the room's name in columns 9-46.
#include <filesystem>
#include <string>
#include <vector>

#include "site/site_layout.h"

namespace vt::site {

struct DiningRoom {
    std::string code;  // 3 columns as stored (the lookup compares them blanks included)
    std::string name;  // 38 columns
};

// One record per room in the given order; each record ends in CR LF.
std::string DiningFileBytes(const std::vector<DiningRoom>& rooms);

void WriteDiningFile(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                     const std::vector<DiningRoom>& rooms);

}  // namespace vt::site

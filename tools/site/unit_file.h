#pragma once
// A nursing unit's resident list ("sfl<unit>.<station>"): 122-byte records, record r is resident
// slot r, the resident key in columns 33-39.
#include <filesystem>
#include <string>
#include <vector>

#include "site/site_layout.h"

namespace vt::site {

// keysBySlot[r - 1] is the key of slot r; an empty key leaves the slot empty. Each record
// ends in CR LF like the records system's other 122-byte lines.
std::string UnitFileBytes(const std::vector<std::string>& keysBySlot);

void WriteUnitFile(const std::filesystem::path& drivesRoot, const SiteLayout& layout, int unitNo,
                   const std::vector<std::string>& keysBySlot);

}  // namespace vt::site

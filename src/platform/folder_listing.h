#pragma once
// The names in a folder, for the case-insensitive lookup of a name that is not there exactly.
// Listings are kept while their folder keeps its stamp, so that looking up missing files (a
// resident without a screen marker, say) in a folder of thousands of pictures does not read
// the whole folder every time.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/stamp_cache.h"

namespace vt {

struct FolderEntry {
    std::string name;
    bool isLink = false;
};

using FolderListings = StampCache<std::vector<FolderEntry>>;

// The folder's entries, in no particular order; empty when it cannot be read.
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder, FolderListings& kept);

}  // namespace vt

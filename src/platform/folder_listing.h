#pragma once
// The names in a folder, for the case-insensitive lookup of a name that is not there exactly.
// Listings of folders that have not changed for a while are kept, so that looking up missing
// files (a resident without a screen marker, say) in a folder of thousands of pictures does not
// read the whole folder every time.
#include <filesystem>
#include <string>
#include <vector>

namespace vt {

struct FolderEntry {
    std::string name;
    bool isLink = false;
};

// The folder's entries, in no particular order; empty when it cannot be read.
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder);

}  // namespace vt

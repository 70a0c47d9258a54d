#pragma once
// Where the folders of a composed path (all but its last component) lead on this machine.
#include <filesystem>

#include "platform/stamp_cache.h"

namespace vt {

struct FolderWalk {
    std::filesystem::path driveFolder;
    std::filesystem::path folder;  // the last folder reached
    bool throughLink = false;      // a folder inside the drive on the way is a symbolic link
};

// Walks kept with the stamp of the folder they reached: one look at that folder tells whether
// the walk still leads there (a folder renamed, replaced or turned into a link on the way
// leaves another folder, or none, at its end).
using FolderWalks = StampCache<FolderWalk>;

}  // namespace vt

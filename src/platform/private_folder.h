#pragma once
// A folder no other account on the workstation can read or write into, for files that must not
// leak: the plain copies of residents' pictures. Each one gets a new name no one can guess
// beforehand, so nothing planted in advance is ever taken for it.
#include <filesystem>
#include <string>

#include "platform/private_file.h"

namespace vt {

class PrivateFolder {
  public:
    // Makes "<prefix>XXXXXX" (mode 0700) under $XDG_RUNTIME_DIR when that is a private folder,
    // otherwise under the temporary folder. Throws FileError when it cannot be made.
    explicit PrivateFolder(const std::string& prefix);
    // Removes the folder with everything in it.
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    int lock_ = -1;  // an flock on the folder while this program uses it
};

// Removes this user's folders "<prefix>XXXXXX" that no running program holds any more (left by
// a program that was killed), with what is in them.
void RemoveStalePrivateFolders(const std::string& prefix);

}  // namespace vt

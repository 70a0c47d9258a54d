#pragma once
// A folder no other account on the workstation can read or write into, for files that must not
// leak: the plain copies of residents' pictures. Each one gets a new name no one can guess
// beforehand, so nothing planted in advance is ever taken for it.
#include <filesystem>
#include <string>
#include <string_view>

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
};

// A folder itself (not a link to one) that belongs to this user and that no one else may enter,
// list or write into.
bool IsPrivateFolder(const std::filesystem::path& folder);

// Write a new file that only this user may read. Throws FileError, writing nothing, when the
// folder it goes in is not private or the name is taken (by a file or a link): nothing is ever
// written through a link or into a folder someone else controls.
void WritePrivateFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vt

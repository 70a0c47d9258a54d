#pragma once
// The records system's Windows paths ("c:\zel\setup\F.ZRB") on this machine.
//
// Drive letter x: is the folder "x" inside the drives folder ($VITTLON_DRIVES, otherwise
// ~/.local/share/vittlon/drives). Each component is matched case-insensitively (an exact match
// first, then the first case-insensitive match in sorted order); new files get the name as
// composed. Both '\' and '/' separate components. A path that does not start with a drive
// letter, names a missing drive, or holds a ".." component, a drive or NUL inside, is refused:
// no path ever leaves its drive folder, whatever a data file holds.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_listing.h"
#include "platform/folder_walk.h"
#include "platform/picture.h"
#include "platform/stamp_cache.h"

namespace vt {

// Whole-file reads stop at a cap far above any real file and far below what would hold the
// program up; a longer file is refused as damaged. Record files and texts are a few KB.
inline constexpr std::uintmax_t kMaxDataFileBytes = 4u << 20;
inline constexpr std::uintmax_t kMaxPictureFileBytes = 32u << 20;

class Drives {
  public:
    explicit Drives(std::filesystem::path root);
    // $VITTLON_DRIVES, otherwise ~/.local/share/vittlon/drives.
    static std::filesystem::path DefaultRoot();

    const std::filesystem::path& root() const { return root_; }

    // The existing file or folder the path names; nullopt when it is missing or refused.
    std::optional<std::filesystem::path> Resolve(std::string_view winPath) const;
    // Where a file of that path is or would be created: every folder must exist, the last
    // component may be missing (then it gets the name as composed). nullopt when refused.
    std::optional<std::filesystem::path> Target(std::string_view winPath) const;

    // A regular file exists at the path (the file-exists lookup).
    bool FileExists(std::string_view winPath) const;
    // A folder exists at the path.
    bool FolderExists(std::string_view winPath) const;
    // Length in bytes; nullopt when the file is missing.
    std::optional<std::uintmax_t> FileLength(std::string_view winPath) const;
    // Delete a file; false when it was missing or could not be deleted.
    bool Delete(std::string_view winPath) const;
    // Copy a file over another, through a temporary file and a rename so that the target is
    // never half-written. Throws FileError on failure, and for a source longer than
    // kMaxDataFileBytes.
    void Copy(std::string_view fromWinPath, std::string_view toWinPath) const;
    // Replace a file's whole content the same safe way. Throws FileError on failure.
    void WriteWhole(std::string_view winPath, std::string_view bytes) const;
    // A file's whole content. Throws FileError when it cannot be read or is longer than
    // `maxBytes` ("cannot read <path>: File too large").
    std::string ReadWhole(std::string_view winPath,
                          std::uintmax_t maxBytes = kMaxDataFileBytes) const;

    // What was read from files, kept while each file keeps its stamp (see StampCache): the
    // records of a small table such as the dining file, and decoded resident pictures.
    StampCache<std::vector<std::string>>& RecordTables() const { return recordTables_; }
    StampCache<Picture>& Pictures() const { return pictures_; }

  private:
    std::filesystem::path root_;
    mutable FolderListings listings_{64};
    mutable FolderWalks walks_{256};
    mutable StampCache<std::vector<std::string>> recordTables_{8};
    mutable StampCache<Picture> pictures_{48};
};

// Write bytes to a host file through a temporary file in the same folder and a rename.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// A host file's whole content, read only when it is at most `maxBytes` long. The length is
// taken from the open file, and reading stops one byte past the cap, so that a file growing
// meanwhile (or a device that never ends) is refused too.
struct HostFileContent {
    enum class Failure { None, Open, Read, TooLarge };
    Failure failure = Failure::None;
    std::string bytes;   // the content when nothing failed
    std::string reason;  // the system's reason when it could not be opened or read
};
HostFileContent ReadHostFileUpTo(const std::filesystem::path& path, std::uintmax_t maxBytes);

}  // namespace vt

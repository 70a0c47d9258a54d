#pragma once
// Resident pictures already decoded, so that the labels of a resident (copies, periods, the
// preview after every change of a setting) do not decode and unprotect the same file again.
// The drives object keeps them with the stamp their stored file had before it was decoded: a
// file changed or replaced in any way is decoded anew.
#include <optional>
#include <string>

#include "platform/drives.h"
#include "platform/file_stamp.h"
#include "platform/picture.h"

namespace vt {

class PictureCache {
  public:
    // The stored picture file at this host path, as it is now.
    PictureCache(const Drives& drives, std::string hostPath);

    // The picture decoded from the file in its present state, if it was kept.
    std::optional<Picture> Find() const;
    // Keep the picture decoded from the file after this object looked at it.
    void Keep(const Picture& picture) const;

  private:
    const Drives& drives_;
    std::string path_;
    std::optional<FileStamp> stamp_;
};

}  // namespace vt

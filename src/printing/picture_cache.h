#pragma once
// Resident pictures already decoded, so that the labels of a resident (copies, periods, the
// preview after every change of a setting) do not decode and unprotect the same file again.
// A picture is known by its file's path, size and modification time: a changed file is decoded
// anew.
#include <optional>
#include <string>

#include "platform/picture.h"

namespace vt {

class PictureCache {
  public:
    // The picture decoded from this host file as it is now, if it was kept.
    static std::optional<Picture> Find(const std::string& hostPath);
    // Keep the picture decoded from this host file (only files that have not changed lately,
    // so that a change within the file system's time grain is never missed).
    static void Keep(const std::string& hostPath, const Picture& picture);
};

}  // namespace vt

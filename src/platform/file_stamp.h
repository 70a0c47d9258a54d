#pragma once
// What tells one state of a file or folder from another without reading it: which file it is
// (device and inode), its size, and when its content and its entry last changed, to the
// nanosecond. A file replaced by a copy with the same size and modification time is another
// inode or has another change time, so no clock rule is needed to see it.
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>

namespace vt {

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of what `path` names now, links followed; nullopt when it cannot be looked at.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

}  // namespace vt

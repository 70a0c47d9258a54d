#include "platform/file_stamp.h"

#include <sys/stat.h>

namespace vt {
namespace {
std::int64_t Nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}
}  // namespace

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    struct stat s {};
    if (::stat(path.c_str(), &s) != 0) return std::nullopt;
    return FileStamp{s.st_dev, s.st_ino, static_cast<std::int64_t>(s.st_size),
                     Nanoseconds(s.st_mtim), Nanoseconds(s.st_ctim)};
}

}  // namespace vt

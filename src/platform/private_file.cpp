#include "platform/private_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "platform/file_error.h"

namespace vt {
namespace fs = std::filesystem;

bool IsPrivateFolder(const fs::path& folder) {
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

void WritePrivateFile(const fs::path& path, std::string_view bytes) {
    if (!IsPrivateFolder(path.parent_path())) {
        throw FileError("cannot write", ShownPath(path), "the folder is not private");
    }
    // Written whole under a name of its own (mkostemp: mode 0600), then linked to its name:
    // link refuses any name already there, a link included, and never follows one.
    std::string part = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(part.data(), O_CLOEXEC);
    if (fd < 0) throw FileError("cannot create", ShownPath(path), SystemReason());
    int error = 0;
    while (!bytes.empty() && error == 0) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written >= 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (errno != EINTR) {
            error = errno;
        }
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::link(part.c_str(), path.c_str()) != 0) error = errno;
    ::unlink(part.c_str());
    if (error != 0) throw FileError("cannot write", ShownPath(path), SystemReason(error));
}

fs::path WriteNewPrivateFile(const fs::path& folder, const std::string& base,
                             const std::string& extension, std::string_view bytes) {
    for (int n = 1;; ++n) {
        std::string name = base;
        if (n > 1) name += "-" + std::to_string(n);
        name += ".";
        name += extension;
        fs::path path = folder / name;
        try {
            WritePrivateFile(path, bytes);
            return path;
        } catch (const FileError&) {
            struct stat status {};
            if (::lstat(path.c_str(), &status) != 0) throw;  // failed for another reason
        }
    }
}

std::string LocalTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

}  // namespace vt

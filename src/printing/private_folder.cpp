#include "printing/private_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "platform/file_error.h"

namespace vt {
namespace {
namespace fs = std::filesystem;

// The session's own runtime folder is private by rule, but the variable may be stale or point
// anywhere: it is taken only when it holds up to the same check as our own folder.
fs::path ParentFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime == '/' && IsPrivateFolder(runtime)) return runtime;
    std::error_code error;
    fs::path temporary = fs::temp_directory_path(error);
    if (error) throw FileError("cannot find the temporary folder: " + error.message());
    return temporary;
}

}  // namespace

PrivateFolder::PrivateFolder(const std::string& prefix) {
    std::string name = (ParentFolder() / (prefix + "XXXXXX")).string();
    // mkdtemp makes the folder with mode 0700, under a name that was free.
    if (::mkdtemp(name.data()) == nullptr) throw FileError("cannot create", name, SystemReason());
    path_ = name;
}

PrivateFolder::~PrivateFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
}

bool IsPrivateFolder(const fs::path& folder) {
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

void WritePrivateFile(const fs::path& path, std::string_view bytes) {
    if (!IsPrivateFolder(path.parent_path())) {
        throw FileError("cannot write", path.string(), "the folder is not private");
    }
    // O_EXCL with O_CREAT refuses any name already there, a link included, and never follows
    // one; O_NOFOLLOW says so once more.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) throw FileError("cannot create", path.string(), SystemReason());
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
    if (error != 0) {
        ::unlink(path.c_str());  // a partial copy would only be in the way of the next one
        throw FileError("cannot write", path.string(), SystemReason(error));
    }
}

}  // namespace vt

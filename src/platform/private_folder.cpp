#include "platform/private_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "platform/file_error.h"
#include "platform/private_file.h"

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
    // Held while the folder is in use: a folder whose lock is free lost its program.
    lock_ = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock_ >= 0) ::flock(lock_, LOCK_EX | LOCK_NB);
}

PrivateFolder::~PrivateFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
    if (lock_ >= 0) ::close(lock_);
}

void RemoveStalePrivateFolders(const std::string& prefix) {
    std::error_code error;
    const fs::path parent = ParentFolder();
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
        const fs::path folder = it->path();
        const std::string name = folder.filename().string();
        if (name.size() != prefix.size() + 6 || name.rfind(prefix, 0) != 0 ||
            !IsPrivateFolder(folder)) {
            continue;
        }
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        std::error_code removal;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) fs::remove_all(folder, removal);
        ::close(fd);
    }
}

}  // namespace vt

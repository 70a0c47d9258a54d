#include "platform/state_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/file_error.h"
#include "platform/private_file.h"

namespace vt {
namespace fs = std::filesystem;

std::optional<fs::path> UserStateFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/') {
        return fs::path(state) / "vittlon";
    }
    if (const char* home = std::getenv("HOME"); home && *home == '/') {
        return fs::path(home) / ".local" / "state" / "vittlon";
    }
    return std::nullopt;
}

fs::path StateFolder(const std::string& name, const std::string& what) {
    const std::optional<fs::path> state = UserStateFolder();
    if (!state) {
        throw FileError("there is no folder to keep " + what +
                        " in: neither XDG_STATE_HOME nor HOME is set");
    }
    return *state / name;
}

fs::path PrivateStateFolder(const std::string& name, const std::string& what) {
    fs::path folder = StateFolder(name, what);
    MakePrivateFolder(folder);
    return folder;
}

void MakePrivateFolder(const fs::path& folder) {
    // Each missing folder on the way is made closed to others from the start.
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
            throw FileError("cannot create", ShownPath(made), SystemReason());
        }
    }
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::geteuid()) {
        throw FileError("cannot use", ShownPath(folder), "it is not a folder of this user's");
    }
    if (!IsPrivateFolder(folder) && ::chmod(folder.c_str(), 0700) != 0) {
        throw FileError("cannot close to others", ShownPath(folder), SystemReason());
    }
}

}  // namespace vt

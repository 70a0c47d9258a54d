#include "printing/private_folder.h"

#include <fcntl.h>
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
}

PrivateFolder::~PrivateFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
}

}  // namespace vt

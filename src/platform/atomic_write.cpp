// WriteFileAtomically, declared in drives.h.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

#include "platform/drives.h"
#include "platform/file_error.h"

namespace vt {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& what, const fs::path& path, int error) {
    throw FileError(what, ShownPath(path), SystemReason(error));
}

// The temporary files of a target are named ".<name>.tmp<pid>-<n>".
std::string TemporaryPrefix(const fs::path& target) {
    return "." + target.filename().string() + ".tmp";
}

// The process id in a temporary file's name, or 0 when the name is not one of ours.
pid_t WriterOf(const std::string& name, const std::string& prefix) {
    if (name.rfind(prefix, 0) != 0) return 0;
    const std::string rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || dash > 9 ||
        rest.find_first_not_of("0123456789", 0) != dash ||
        rest.find_first_not_of("0123456789", dash + 1) != std::string::npos ||
        dash + 1 == rest.size()) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(rest.substr(0, dash)));
}

// Temporary files of the target that a killed program left behind: their writer no longer
// runs. A live writer's file (another program's, or one of this program's) is left alone.
void RemoveLeftovers(const fs::path& target) {
    const std::string prefix = TemporaryPrefix(target);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(target.parent_path(), error)) {
        const pid_t writer = WriterOf(entry.path().filename().string(), prefix);
        if (writer <= 0 || writer == ::getpid()) continue;
        if (::kill(writer, 0) == 0 || errno != ESRCH) continue;
        if (fs::is_regular_file(fs::symlink_status(entry.path(), error))) {
            fs::remove(entry.path(), error);
        }
    }
}

// The rename is an entry in the folder: only a synced folder keeps it through a power cut.
// Some file systems (network shares among them) cannot sync a folder; they say so and that
// is no failure of the write.
void SyncFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) Fail("cannot sync the folder of", target, errno);
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0 && error != EINVAL && error != ENOTSUP && error != EROFS) {
        Fail("cannot sync the folder of", target, error);
    }
}

// A new file next to the target that either replaces it (Commit) or is removed again.
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& target) : target_(target) {
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = target;
            path_.replace_filename(TemporaryPrefix(target) + std::to_string(::getpid()) + "-" +
                                   std::to_string(counter++));
            // Created exclusively; the umask sets its permissions, as for any new file.
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST) break;
        }
        if (fd_ < 0) Fail("cannot create a temporary file for", target, errno);
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0) ::fchmod(fd_, old.st_mode & 07777);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(path_.c_str());
    }

    void Write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR) continue;
                Fail("cannot write", target_, errno);
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    // Flushes to the disk before the rename, so that a crash leaves the old file or the
    // complete new one, never a truncated one. A failing close is reported too: on a network
    // share that is where a full disk shows.
    void Commit() {
        if (::fsync(fd_) != 0) Fail("cannot write", target_, errno);
        const int closed = ::close(fd_);
        fd_ = -1;
        if (closed != 0) Fail("cannot write", target_, errno);
        if (::rename(path_.c_str(), target_.c_str()) != 0) Fail("cannot replace", target_, errno);
        committed_ = true;
        SyncFolder(target_);
    }

  private:
    fs::path target_;
    fs::path path_;
    int fd_ = -1;
    bool committed_ = false;
};

}  // namespace

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    // A symlink is replaced through: the rename puts the new content where the link points
    // instead of turning the link into a plain file.
    fs::path target = path;
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        target = fs::canonical(path, error);
        if (error) Fail("cannot follow", path, error.value());
    }

    RemoveLeftovers(target);
    TemporaryFile temporary(target);
    temporary.Write(bytes);
    temporary.Commit();
}

}  // namespace vt

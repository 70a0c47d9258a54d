// WriteFileAtomically, declared in drives.h.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

#include "platform/drives.h"
#include "platform/file_error.h"

namespace vt {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& what, const fs::path& path, int error) {
    throw FileError(what, path.string(), std::generic_category().message(error));
}

// A new file next to the target that either replaces it (Commit) or is removed again.
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& target) : target_(target) {
        static std::atomic<unsigned> counter{0};
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = target;
            path_.replace_filename("." + target.filename().string() + ".tmp" +
                                   std::to_string(::getpid()) + "-" + std::to_string(counter++));
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

    TemporaryFile temporary(target);
    temporary.Write(bytes);
    temporary.Commit();
}

}  // namespace vt

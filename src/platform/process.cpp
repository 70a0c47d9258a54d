#include "platform/process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace vt {

namespace {

// Both ends of a pipe, closed on every path.
class Pipe {
  public:
    Pipe() {
        if (::pipe2(fds_, O_CLOEXEC) != 0) fds_[0] = fds_[1] = -1;
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    bool ok() const { return fds_[0] >= 0; }
    int readEnd() const { return fds_[0]; }
    int writeEnd() const { return fds_[1]; }
    void CloseRead() { Close(fds_[0]); }
    void CloseWrite() { Close(fds_[1]); }

  private:
    static void Close(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    int fds_[2] = {-1, -1};
};

int WaitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::int32_t ExecCmd(const std::string& cmdline) {
    // The child reports a failed exec through a close-on-exec pipe: a successful exec closes
    // it with nothing written, so the parent can tell "could not start" from "exit 127".
    Pipe execFailed;
    if (!execFailed.ok()) return -1;
    // Prepared before fork: the child of a threaded program may only call async-signal-safe
    // functions, which excludes allocating.
    const char* argv[] = {"/bin/sh", "-c", cmdline.c_str(), nullptr};
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        ::execv(argv[0], const_cast<char* const*>(argv));
        const int error = errno;
        [[maybe_unused]] const ssize_t ignored =
            ::write(execFailed.writeEnd(), &error, sizeof error);
        ::_exit(127);
    }
    execFailed.CloseWrite();
    int childError = 0;
    ssize_t got = 0;
    do {
        got = ::read(execFailed.readEnd(), &childError, sizeof childError);
    } while (got < 0 && errno == EINTR);
    const int exitCode = WaitFor(pid);
    return got > 0 ? -1 : exitCode;
}

}  // namespace vt

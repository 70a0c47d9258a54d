#include "platform/record_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/file_error.h"

namespace vt {

RecordLock::RecordLock(const std::filesystem::path& file, std::uint64_t offset,
                       std::uint64_t length, std::chrono::milliseconds limit) {
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) throw FileError("cannot open", ShownPath(file), SystemReason());
    struct flock range = {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    range.l_start = static_cast<off_t>(offset);
    range.l_len = static_cast<off_t>(length);
    const auto end = std::chrono::steady_clock::now() + limit;
    while (::fcntl(fd_, F_SETLK, &range) != 0) {
        const int error = errno;
        if ((error != EACCES && error != EAGAIN && error != EINTR) ||
            std::chrono::steady_clock::now() >= end) {
            ::close(fd_);
            throw FileError("cannot lock", ShownPath(file),
                            error == EACCES || error == EAGAIN
                                ? "another program holds it (waited " +
                                      std::to_string(limit.count() / 1000) + " s)"
                                : SystemReason(error));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

RecordLock::~RecordLock() {
    struct flock range = {};
    range.l_type = F_UNLCK;
    range.l_whence = SEEK_SET;
    ::fcntl(fd_, F_SETLK, &range);
    ::close(fd_);
}

}  // namespace vt

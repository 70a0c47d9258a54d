#pragma once
// A full disk for the length of a scope: while it lives, no file of this process can grow past
// `bytes` (writes beyond fail with EFBIG instead of raising SIGXFSZ). File permissions cannot
// stand in for this, because the tests may run as root.
#include <sys/resource.h>

#include <csignal>
#include <stdexcept>

namespace vt::test {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        if (::getrlimit(RLIMIT_FSIZE, &old_) != 0) throw std::runtime_error("getrlimit");
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            std::signal(SIGXFSZ, oldHandler_);
            throw std::runtime_error("setrlimit");
        }
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

}  // namespace vt::test

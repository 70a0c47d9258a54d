#pragma once
// Files that cannot be opened, for the length of a scope: while it lives, this process can open
// only `more` files beyond those open now, and the next open fails with EMFILE ("Too many open
// files"), as on a system out of file handles. File permissions cannot stand in for this,
// because the tests may run as root.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

namespace vt::test {

class OpenFileLimit {
  public:
    // The sanitizers' runtime opens files of its own to check a dynamic type, and reports a
    // false error when it cannot: the limit is for the normal build only.
    static bool Usable() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
        return false;
#else
        return true;
#endif
    }

    explicit OpenFileLimit(int more = 0) {
        if (::getrlimit(RLIMIT_NOFILE, &old_) != 0) throw std::runtime_error("getrlimit");
        // Each open takes the lowest free descriptor: the (more + 1)th one taken now is the
        // first that must stay out of reach.
        std::vector<int> probes;
        for (int i = 0; i <= more; ++i) probes.push_back(::open("/dev/null", O_RDONLY));
        bool opened = true;
        for (int fd : probes) opened = ::close(fd) == 0 && opened;
        if (!opened) throw std::runtime_error("open /dev/null");
        rlimit limit = old_;
        limit.rlim_cur = static_cast<rlim_t>(probes.back());
        if (::setrlimit(RLIMIT_NOFILE, &limit) != 0) throw std::runtime_error("setrlimit");
    }
    ~OpenFileLimit() {
        ::setrlimit(RLIMIT_NOFILE, &old_);
    }
    OpenFileLimit(const OpenFileLimit&) = delete;
    OpenFileLimit& operator=(const OpenFileLimit&) = delete;

  private:
    rlimit old_{};
};

}  // namespace vt::test

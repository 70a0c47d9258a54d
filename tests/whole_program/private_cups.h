#pragma once
// A private print server for tests: its own cupsd with every file in a temporary folder,
// listening on a socket there, with one default queue that writes to a file. It never touches
// the system's print service.
#include <filesystem>
#include <optional>
#include <string>

#include "support/test_support.h"

namespace vt::test {

class PrivateCups {
  public:
    // Starts cupsd and makes the queue `queue` the default. started() is false when cupsd or
    // lpadmin is not installed or would not start; why() says which.
    explicit PrivateCups(const std::string& queue);
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool started() const { return started_; }
    const std::string& why() const { return why_; }
    // "CUPS_SERVER=<socket>", for the program's environment.
    std::string ServerSetting() const { return "CUPS_SERVER=" + socket_.string(); }
    // Jobs the server has completed.
    int CompletedJobs() const;

  private:
    TempDir dir_;
    std::filesystem::path socket_;
    int pid_ = -1;
    bool started_ = false;
    std::string why_;
};

}  // namespace vt::test

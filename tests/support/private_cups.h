#pragma once
// A private print server for tests: its own cupsd with every file in a temporary folder,
// listening on a socket there, with one default queue that writes to a file. It never touches
// the system's print service.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace vt::test {

class PrivateCups {
  public:
    enum class Driver {
        Raw,                // the job's document reaches the file as it was sent
        GenericPostScript,  // CUPS's sample PostScript driver through the cups-filters chain,
                            // A4 by default, as a queue on a system whose paper is A4
    };

    // Starts cupsd and makes the queue `queue` the default. started() is false when cupsd or
    // lpadmin is not installed or would not start; why() says which.
    explicit PrivateCups(const std::string& queue, Driver driver = Driver::Raw);
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool started() const { return started_; }
    const std::string& why() const { return why_; }
    // "CUPS_SERVER=<socket>", for the program's environment.
    std::string ServerSetting() const { return "CUPS_SERVER=" + socket_.string(); }
    std::string Socket() const { return socket_.string(); }
    // Jobs the server has completed.
    int CompletedJobs() const;
    // Waits until `jobs` jobs are completed; false when they are not within the time.
    bool WaitForCompleted(int jobs, std::chrono::seconds limit = std::chrono::seconds(60)) const;
    // The file the queue prints into (a job overwrites it), and the server's page log.
    std::filesystem::path OutputFile() const { return dir_.path() / "out.prn"; }
    std::string PageLog() const;
    // The server's request log: a line per request it answered.
    std::string AccessLog() const;

    // The queue refuses (or takes again) new jobs, as cupsreject and cupsaccept do.
    void Reject();
    // The server stops answering (SIGSTOP), and answers again.
    void Freeze();
    void Thaw();
    // The server ends, as a print service that is down.
    void Stop();

  private:
    std::string Lp(const std::string& command) const;

    TempDir dir_;
    std::string queue_;
    std::filesystem::path socket_;
    pid_t pid_ = -1;
    bool started_ = false;
    std::string why_;
};

}  // namespace vt::test

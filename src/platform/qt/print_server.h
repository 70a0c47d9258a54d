#pragma once
// A connection to the print server (CUPS) on which no call waits without limit: each call
// gives up after the time limit (60 s unless the user configuration's
// print_server/time_limit_seconds says otherwise), or at once when a termination signal
// arrives. A call that gave up throws PrintServerError with the reason.
#include <cups/cups.h>

#include <chrono>
#include <stdexcept>
#include <string>

namespace vt {

class PrintServerError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class PrintServer {
  public:
    // Connects to the server the user's CUPS settings name. Throws PrintServerError when it
    // cannot be reached.
    PrintServer();
    ~PrintServer();
    PrintServer(const PrintServer&) = delete;
    PrintServer& operator=(const PrintServer&) = delete;

    // Starts the time limit for the next call on http().
    http_t* Call();
    // Why the last call failed: the server's message, "no answer within N s", or the signal.
    std::string Failure() const;
    // The last call was given up (time limit or signal): the server is not to be asked again.
    bool GaveUp() const;

  private:
    static std::chrono::seconds TimeLimit();
    static int KeepWaiting(http_t* http, void* self);

    std::string name_;
    std::chrono::seconds limit_;
    std::chrono::steady_clock::time_point deadline_;
    bool timedOut_ = false;
    http_t* http_ = nullptr;
};

}  // namespace vt

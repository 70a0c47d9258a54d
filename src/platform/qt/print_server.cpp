#include "platform/qt/print_server.h"

#include <algorithm>

#include "platform/qt/termination_signals.h"
#include "platform/qt/user_config.h"

namespace vt {
namespace {

constexpr int kDefaultLimitSeconds = 60;
constexpr int kMaxLimitSeconds = 3600;
constexpr double kPollSeconds = 0.5;  // how often a waiting call looks at the clock

}  // namespace

std::chrono::seconds PrintServer::TimeLimit() {
    bool ok = false;
    const int seconds =
        OpenUserConfig()->value(QStringLiteral("print_server/time_limit_seconds")).toInt(&ok);
    return std::chrono::seconds(ok && seconds > 0 ? std::min(seconds, kMaxLimitSeconds)
                                                  : kDefaultLimitSeconds);
}

PrintServer::PrintServer() : limit_(TimeLimit()) {
    const char* server = cupsServer();
    name_ = std::string("the print server at ") + server;
    if (server[0] != '/') name_ += ":" + std::to_string(ippPort());
    if (TerminationRequested()) throw PrintServerError("the program is ending");
    const int msec = static_cast<int>(std::chrono::milliseconds(limit_).count());
    http_ = httpConnect2(server, ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, msec, nullptr);
    // libcups leaves no usable reason for a failed connection (errno and its own error are
    // stale): say what to look at instead.
    if (!http_) throw PrintServerError(name_ + " cannot be reached");
    httpSetTimeout(http_, kPollSeconds, &PrintServer::KeepWaiting, this);
}

PrintServer::~PrintServer() {
    httpClose(http_);
}

http_t* PrintServer::Call() {
    if (TerminationRequested()) throw PrintServerError("the program is ending");
    timedOut_ = false;
    deadline_ = std::chrono::steady_clock::now() + limit_;
    return http_;
}

int PrintServer::KeepWaiting(http_t*, void* self) {
    auto& server = *static_cast<PrintServer*>(self);
    if (TerminationRequested()) return 0;
    if (std::chrono::steady_clock::now() < server.deadline_) return 1;
    server.timedOut_ = true;
    return 0;
}

bool PrintServer::GaveUp() const {
    return timedOut_ || TerminationRequested();
}

std::string PrintServer::Failure() const {
    if (TerminationRequested()) return name_ + " was left waiting: the program is ending";
    if (timedOut_) {
        return name_ + " did not answer within " + std::to_string(limit_.count()) + " s";
    }
    const char* message = cupsLastErrorString();
    return name_ + ": " + (message && *message ? message : "no answer");
}

}  // namespace vt

#include "platform/qt/termination_signals.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace vt {
namespace {

// The signal handler may only write to descriptors and set a flag: the event loop reads one
// socket, the watchdog the other.
int g_pipe[2] = {-1, -1};
int g_watch[2] = {-1, -1};
volatile std::sig_atomic_t g_requested = 0;

void OnSignal(int) {
    g_requested = 1;
    const char byte = 1;
    [[maybe_unused]] const auto toLoop = ::write(g_pipe[0], &byte, 1);
    [[maybe_unused]] const auto toWatchdog = ::write(g_watch[0], &byte, 1);
}

// Waits for `fd` to become readable; false after `timeoutMs` (-1: no limit).
bool Readable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&p, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

}  // namespace

bool TerminationRequested() {
    return g_requested != 0;
}

TerminationSignals::TerminationSignals(std::function<void()> onSignal)
    : onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_watch) != 0 ||
        ::pipe2(done_, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot create the signal sockets");
    }
    notifier_ = std::make_unique<QSocketNotifier>(g_pipe[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::Handle);
    watchdog_ = std::thread([this] { Watch(); });

    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &action, nullptr);
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(done_[1], &byte, 1);
    watchdog_.join();
    notifier_.reset();
    for (int* fds : {g_pipe, g_watch, done_}) {
        ::close(fds[0]);
        ::close(fds[1]);
        fds[0] = fds[1] = -1;
    }
}

void TerminationSignals::Handle() {
    char byte = 0;
    [[maybe_unused]] const auto got = ::read(g_pipe[1], &byte, 1);
    onSignal_();
}

void TerminationSignals::Watch() {
    pollfd wait[2] = {{g_watch[1], POLLIN, 0}, {done_[0], POLLIN, 0}};
    int ready = 0;
    do {
        ready = ::poll(wait, 2, -1);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0 || (wait[1].revents & POLLIN) != 0) return;  // the program ended
    if (Readable(done_[0], kOrderlyEndSeconds * 1000)) return;
    // The main thread may hold any lock: write and end, nothing else.
    static constexpr char kLine[] =
        "Vittlon: ended by a termination signal while held in a call that did not return; "
        "what was under way did not complete\n";
    [[maybe_unused]] const auto told = ::write(STDERR_FILENO, kLine, sizeof kLine - 1);
    ::_exit(1);
}

}  // namespace vt

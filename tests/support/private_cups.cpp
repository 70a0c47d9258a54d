#include "support/private_cups.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

extern char** environ;

namespace vt::test {
namespace {
namespace fs = std::filesystem;

std::string Output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) return "";
    std::string out;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe.get())) out += buffer.data();
    return out;
}

bool Installed(const std::string& program) {
    return !Output("command -v " + program + " 2>/dev/null").empty();
}

}  // namespace

PrivateCups::PrivateCups(const std::string& queue, Driver driver) : queue_(queue) {
    if (!Installed("cupsd") || !Installed("lpadmin") || !Installed("lpstat")) {
        why_ = "cupsd, lpadmin or lpstat is not installed (cups-daemon, cups-client)";
        return;
    }
    const fs::path root = dir_.path();
    for (const char* sub : {"conf", "spool/tmp", "cache", "state", "log", "run"}) {
        fs::create_directories(root / sub);
    }
    socket_ = root / "run" / "cups.sock";
    WriteHostFile(root / "conf" / "cupsd.conf",
                  "Listen " + socket_.string() +
                      "\nBrowsing No\nLogLevel warn\nMaxJobs 0\nPreserveJobHistory Yes\n"
                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                      "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
                      "  </Limit>\n</Policy>\n");
    WriteHostFile(root / "conf" / "cups-files.conf",
                  "FileDevice Yes\nUser lp\nGroup lp\nServerRoot " + (root / "conf").string() +
                      "\nRequestRoot " + (root / "spool").string() + "\nTempDir " +
                      (root / "spool" / "tmp").string() + "\nCacheDir " +
                      (root / "cache").string() + "\nStateDir " + (root / "state").string() +
                      "\nErrorLog " + (root / "log" / "error_log").string() + "\nAccessLog " +
                      (root / "log" / "access_log").string() + "\nPageLog " +
                      (root / "log" / "page_log").string() +
                      "\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n");
    // cupsd runs its jobs as lp: the folders must be open to it.
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        fs::permissions(entry.path(), fs::perms::all, fs::perm_options::add);
    }
    fs::permissions(root, fs::perms::all, fs::perm_options::add);

    const std::string conf = (root / "conf" / "cupsd.conf").string();
    const std::string files = (root / "conf" / "cups-files.conf").string();
    std::string cupsd = "cupsd", f = "-f", c = "-c", s = "-s";
    std::string confArg = conf, filesArg = files;
    char* argv[] = {cupsd.data(), f.data(),        c.data(), confArg.data(),
                    s.data(),     filesArg.data(), nullptr};
    if (::posix_spawnp(&pid_, "cupsd", nullptr, nullptr, argv, environ) != 0) {
        why_ = "cupsd would not start";
        pid_ = -1;
        return;
    }
    for (int i = 0; i < 100 && !fs::exists(socket_); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const std::string model = driver == Driver::GenericPostScript
                                  ? " -m drv:///sample.drv/generic.ppd -o PageSize=A4"
                                  : "";
    if (driver == Driver::GenericPostScript && !fs::exists("/usr/lib/cups/filter/pdftops")) {
        why_ = "the cups-filters chain is not installed (cups-filters)";
        return;
    }
    if (!fs::exists(socket_) ||
        std::system(
            Lp("lpadmin -p " + queue + " -E -v file://" + OutputFile().string() + model).c_str()) !=
            0 ||
        std::system(Lp("lpadmin -d " + queue).c_str()) != 0) {
        why_ = "the private cupsd did not take a queue";
        return;
    }
    started_ = true;
}

PrivateCups::~PrivateCups() {
    if (pid_ > 0) {
        ::kill(pid_, SIGCONT);
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::string PrivateCups::Lp(const std::string& command) const {
    return "CUPS_SERVER=" + socket_.string() + " " + command + " >/dev/null 2>&1";
}

int PrivateCups::CompletedJobs() const {
    const std::string out =
        Output("CUPS_SERVER=" + socket_.string() + " lpstat -W completed -o 2>/dev/null");
    int lines = 0;
    for (char ch : out) lines += ch == '\n' ? 1 : 0;
    return lines;
}

bool PrivateCups::WaitForCompleted(int jobs, std::chrono::seconds limit) const {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (CompletedJobs() < jobs) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

std::string PrivateCups::PageLog() const {
    return ReadHostFile(dir_.path() / "log" / "page_log");
}

std::string PrivateCups::AccessLog() const {
    return ReadHostFile(dir_.path() / "log" / "access_log");
}

void PrivateCups::Reject() {
    std::system(Lp("cupsreject " + queue_).c_str());
}

void PrivateCups::Freeze() {
    ::kill(pid_, SIGSTOP);
}

void PrivateCups::Thaw() {
    ::kill(pid_, SIGCONT);
}

void PrivateCups::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGCONT);
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace vt::test

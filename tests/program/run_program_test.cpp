// The vittlon executable as a whole, run headless on a site in a temporary drives folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "site/demo_site.h"
#include "support/test_support.h"

extern char** environ;

namespace vt::test {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The program as a child process with its drives folder and PDF folder set.
class Program {
  public:
    Program(const fs::path& drives, const fs::path& pdf) {
        std::vector<std::string> env = {"VITTLON_DRIVES=" + drives.string(),
                                        "VITTLON_PDF_DIR=" + pdf.string(),
                                        "QT_QPA_PLATFORM=offscreen", "HOME=" + pdf.string()};
        for (char** e = environ; *e; ++e) {
            std::string kv = *e;
            if (kv.rfind("VITTLON_", 0) != 0 && kv.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
                kv.rfind("HOME=", 0) != 0) {
                env.push_back(kv);
            }
        }
        std::vector<char*> envp;
        for (auto& kv : env) envp.push_back(kv.data());
        envp.push_back(nullptr);
        std::string binary = VITTLON_BINARY;
        char* argv[] = {binary.data(), nullptr};
        if (posix_spawn(&pid_, binary.c_str(), nullptr, nullptr, argv, envp.data()) != 0) pid_ = -1;
    }
    ~Program() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    bool started() const { return pid_ > 0; }
    void Signal(int sig) { ::kill(pid_, sig); }

    // The exit status once it ended within the time; nullopt when it is still running.
    std::optional<int> WaitFor(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(20ms);
        }
        return std::nullopt;
    }

  private:
    pid_t pid_ = -1;
    bool exited_ = false;
};

bool WaitForFile(const fs::path& path, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (fs::exists(path)) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

TEST(Program, StartsOnTheDemoSiteAndEndsCleanlyWhenAskedTo) {
    TempDir dir;
    const fs::path drives = dir.path() / "drives";
    site::BuildDemoSite(drives, Date(2026, 12, 8), false);
    // Start-up creates the label template when it is missing: the sign that it read the site.
    const fs::path templ = drives / "c" / "zel" / "dine" / "templ.D1";
    fs::remove(templ);

    Program program(drives, dir.path() / "pdf");
    ASSERT_TRUE(program.started());
    ASSERT_TRUE(WaitForFile(templ, 60s)) << "start-up did not reach the station's files";
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitFor(60s), 0);
}

TEST(Program, EndsByItselfWhenTheDefaultUnitListIsMissing) {
    TempDir dir;
    const fs::path drives = dir.path() / "drives";
    site::BuildDemoSite(drives, Date(2026, 12, 8), false);
    fs::remove(drives / "c" / "zel" / "units" / "sfl1.D1");

    Program program(drives, dir.path() / "pdf");
    ASSERT_TRUE(program.started());
    EXPECT_EQ(program.WaitFor(60s), 0);
}

TEST(Program, OpensWithoutASetupFileAndEndsWhenAskedTo) {
    TempDir dir;
    fs::create_directories(dir.path() / "drives");
    Program program(dir.path() / "drives", dir.path() / "pdf");
    ASSERT_TRUE(program.started());
    EXPECT_FALSE(program.WaitFor(1s).has_value()) << "the window should stay open";
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitFor(60s), 0);
}

}  // namespace
}  // namespace vt::test

// The vittlon executable as a whole, run headless on a site in a temporary drives folder.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "program_process.h"
#include "site/demo_site.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

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

    // Programs of one session share its runtime folder.
    const fs::path runtime = dir.path() / "runtime";
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const std::vector<std::string> session = {"XDG_RUNTIME_DIR=" + runtime.string()};

    Program program(drives, dir.path() / "pdf", session);
    ASSERT_TRUE(program.started());
    ASSERT_TRUE(WaitForFile(templ, 60s)) << "start-up did not reach the station's files";

    // A second start shows the first one's windows and ends; a command-line print is a run of
    // its own.
    Program second(drives, dir.path() / "second", session);
    EXPECT_EQ(second.WaitFor(30s), 0);
    EXPECT_NE(second.ErrorOutput().find("already running for the drives folder " + drives.string() +
                                        "; its windows were brought to the front."),
              std::string::npos)
        << second.ErrorOutput();
    Program print(drives, dir.path() / "print", session, false, {"--print", "--yes"});
    EXPECT_EQ(print.WaitFor(60s), 0) << print.ErrorOutput();
    EXPECT_EQ(print.ErrorOutput().find("already running"), std::string::npos);

    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitFor(60s), 0);
}

}  // namespace
}  // namespace vt::test

// The vittlon executable as a whole, run headless on a site in a temporary drives folder.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

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

    Program program(drives, dir.path() / "pdf");
    ASSERT_TRUE(program.started());
    ASSERT_TRUE(WaitForFile(templ, 60s)) << "start-up did not reach the station's files";
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitFor(60s), 0);
}

}  // namespace
}  // namespace vt::test

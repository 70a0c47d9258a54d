// The program started with a command line: a print run to a named PDF file from the drives
// folder the line names, and bad usage refused before anything starts.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "batch_site.h"
#include "program_process.h"
#include "site/site_files.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct CommandLineSite {
    TempDir dir;
    fs::path drives = dir.path() / "site";
    fs::path otherDrives = dir.path() / "elsewhere";  // $VITTLON_DRIVES, which --drives overrides
    fs::path pdf = dir.path() / "pdf";
    fs::path output = dir.path() / "out" / "east wing.pdf";

    CommandLineSite() {
        WriteBatchSite(drives, 3, kPdfPrinterName, Today());
        fs::remove(site::HostPath(drives, site::SiteLayout().SetupPath("autop")));
        fs::create_directories(otherDrives);
    }
};

TEST(CommandLineProgram, PrintWritesTheNamedPdfFromTheDrivesFolderItNames) {
    CommandLineSite s;
    Program program(s.otherDrives, s.pdf, {}, false,
                    {"--drives", s.drives.string(), "--print", "--output", s.output.string()});
    ASSERT_TRUE(program.started());
    EXPECT_EQ(program.WaitFor(60s), 0) << program.ErrorOutput();
    EXPECT_TRUE(fs::is_regular_file(s.output));
    EXPECT_FALSE(fs::exists(s.pdf) && !fs::is_empty(s.pdf)) << "only the named file is written";
    EXPECT_NE(program.Output().find("Output: " + s.output.string()), std::string::npos)
        << program.Output();
}

TEST(CommandLineProgram, BadUsageEndsWithStatusTwoBeforeAnythingStarts) {
    CommandLineSite s;
    Program program(s.drives, s.pdf, {}, false,
                    {"--print", "--date", "13-01-2027", "--output", s.output.string()});
    ASSERT_TRUE(program.started());
    EXPECT_EQ(program.WaitFor(60s), 2);
    EXPECT_NE(program.ErrorOutput().find("--date"), std::string::npos) << program.ErrorOutput();
    EXPECT_FALSE(fs::exists(s.output));
}

}  // namespace
}  // namespace vt::test

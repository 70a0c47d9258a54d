// A scheduled run under the faults it meets: a queue that refuses jobs, a print server that
// is down or stops answering, a termination signal in the middle, output that cannot be put in
// place, an odd configuration file, a start date the labels cannot carry. Each ends with the
// status and the reason, reports only what was delivered, and logs nothing it did not deliver.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "batch_site.h"
#include "platform/text.h"
#include "program_process.h"
#include "site/pictures.h"
#include "site/site_files.h"
#include "support/private_cups.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A station with `residents` residents (30 labels a sheet) whose stored printer is `printer`;
// a long run is 40 sheets with a picture on every label, a few seconds of drawing.
struct Station {
    TempDir dir;
    fs::path drives = dir.path() / "drives";
    fs::path pdf = dir.path() / "pdf";
    site::SiteLayout layout;

    Station(int residents, const std::string& printer, bool longRun = false) {
        WriteBatchSite(drives, residents, printer, Today(), longRun ? 5 : 1, longRun ? 4 : 1);
        if (!longRun) return;
        for (int i = 1; i <= residents; ++i) {
            site::WriteResidentPicture(drives, layout, std::to_string(1000 + i),
                                       site::PictureKind::Jpeg, {i * 4 % 256, 90, 160});
        }
        site::LabelSettings settings =
            SettingsWithoutPictures(Today().AddDays(1).Text(), residents);
        settings.printerName = printer;
        settings.noPhoto = 0;
        settings.daysToPrint = 5;
        settings.periodOn = {1, 1, 1, 1};
        site::WriteLabelSettings(drives, layout, settings);
    }
    fs::path Host(const std::string& winPath) const { return site::HostPath(drives, winPath); }
    std::string PrintLog() const {
        const fs::path log = Host(layout.SetupPath("L1"));
        return fs::exists(log) ? ReadHostFile(log) : "";
    }
    std::string StoredPrinter() const {
        return ReadHostFile(Host(layout.SetupPath("Labelset"))).substr(100, 30);
    }
    // The user configuration's print server time limit.
    void LimitPrintServerCalls(int seconds) const {
        fs::create_directories(pdf.string() + "-config/vittlon");
        WriteHostFile(pdf.string() + "-config/vittlon/vittlon.conf",
                      "[print_server]\ntime_limit_seconds=" + std::to_string(seconds) + "\n");
    }
};

// Waits until `ready` holds; false when it does not within the time.
bool WaitUntil(const std::function<bool()>& ready, std::chrono::milliseconds limit = 30s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

// The queue's name is UTF-8 at the print server and Windows-1252 in the settings file; the
// messages name it once, in UTF-8.
TEST(PrintFaults, AQueueThatRefusesJobsFailsTheRunAndNothingIsLogged) {
    PrivateCups cups(
        "K\xc3\xbc"
        "che");
    if (!cups.started()) GTEST_SKIP() << "no private print server: " << cups.why();
    cups.Reject();
    Station s(62,
              "K\xfc"
              "che");
    Program program(s.drives, s.pdf, {cups.ServerSetting()});
    ASSERT_EQ(program.WaitFor(60s), 1) << program.ErrorOutput();
    EXPECT_NE(program.Output().find("Run: failed: the printer K\xc3\xbc"
                                    "che did not take the job"),
              std::string::npos)
        << program.Output();
    EXPECT_NE(program.Output().find("Nothing went out to K\xc3\xbc"
                                    "che"),
              std::string::npos);
    EXPECT_NE(program.ErrorOutput().find("not accepting jobs"), std::string::npos)
        << program.ErrorOutput();
    EXPECT_EQ(s.PrintLog(), "");
    EXPECT_EQ(cups.CompletedJobs(), 0);
    EXPECT_EQ(s.StoredPrinter(), PadTo("K\xfc"
                                       "che",
                                       30));
}

// The print server stops answering while the run sends its sheets: the run gives up after the
// time limit, or at once on a termination signal, and says which sheets went out.
TEST(PrintFaults, APrintServerThatStopsAnsweringFailsTheRunInTime) {
    struct Case {
        int limitSeconds;
        bool terminate;
        const char* reason;
    };
    for (const Case& c :
         {Case{2, false, "did not answer within 2 s"}, Case{600, true, "the program is ending"}}) {
        SCOPED_TRACE(c.reason);
        PrivateCups cups("Kitchen");
        if (!cups.started()) GTEST_SKIP() << "no private print server: " << cups.why();
        Station s(60, "Kitchen", true);
        s.LimitPrintServerCalls(c.limitSeconds);
        Program program(s.drives, s.pdf, {cups.ServerSetting()});
        ASSERT_TRUE(
            WaitUntil([&] { return cups.AccessLog().find("Send-Document") != std::string::npos; }));
        cups.Freeze();
        if (c.terminate) {
            std::this_thread::sleep_for(500ms);
            program.Signal(SIGTERM);
        }
        EXPECT_EQ(program.WaitFor(20s), 1) << program.ErrorOutput();
        cups.Thaw();
        EXPECT_NE(program.Output().find("Run: failed: the printer Kitchen did not take the job"),
                  std::string::npos)
            << program.Output();
        EXPECT_NE(program.Output().find(c.reason), std::string::npos) << program.Output();
        EXPECT_NE(program.Output().find("Kitchen; the rest did not go out"), std::string::npos)
            << program.Output();
        EXPECT_EQ(s.PrintLog(), "");
    }
}

TEST(PrintFaults, APrintServerThatIsDownPrintsNowhereElseAndTheStoredPrinterStays) {
    PrivateCups cups("Kitchen");
    if (!cups.started()) GTEST_SKIP() << "no private print server: " << cups.why();
    cups.Stop();
    Station s(3, "Kitchen");
    Program program(s.drives, s.pdf, {cups.ServerSetting()});
    ASSERT_EQ(program.WaitFor(60s), 1) << program.ErrorOutput();
    EXPECT_NE(program.ErrorOutput().find(
                  "the printer of the settings, \"Kitchen\", is not available; the printers are "
                  "\"Vittlon PDF\" (the print server at "),
              std::string::npos)
        << program.ErrorOutput();
    EXPECT_FALSE(fs::exists(s.pdf) && !fs::is_empty(s.pdf)) << "no labels went to the PDF printer";
    EXPECT_EQ(s.StoredPrinter(), PadTo("Kitchen", 30));
    EXPECT_EQ(s.PrintLog(), "");
}

// A run stopped by a signal, or whose output cannot be put in place, keeps the named file as
// it was and logs nothing.
TEST(PrintFaults, ARunThatDeliversNothingKeepsTheNamedFileAndLogsNothing) {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(sig);
        Station s(60, kPdfPrinterName, true);
        fs::create_directories(s.dir.path() / "out");
        const fs::path named = s.dir.path() / "out" / "F.pdf";
        WriteHostFile(named, "%PDF-1.4 the good file\n");
        Program program(s.drives, s.pdf, {}, false, {"--print", "--output", named.string()});
        ASSERT_TRUE(WaitUntil([&] { return program.HasFileOpenIn(named.parent_path()); }))
            << "the run began its file: " << program.ErrorOutput() << program.Output();
        program.Signal(sig);
        EXPECT_EQ(program.WaitFor(60s), 1) << program.ErrorOutput();
        EXPECT_EQ(ReadHostFile(named), "%PDF-1.4 the good file\n");
        EXPECT_EQ(s.PrintLog(), "");
        EXPECT_NE(program.Output().find("Nothing kept, no PDF file was written"), std::string::npos)
            << program.Output();
    }
    // A folder where the file should go, a name longer than a file system takes.
    for (const std::string& name : {std::string("F.pdf"), std::string(300, 'x') + ".pdf"}) {
        Station s(3, kPdfPrinterName);
        fs::create_directories(s.dir.path() / "F.pdf");
        const fs::path named = s.dir.path() / name;
        Program program(s.drives, s.pdf, {}, false, {"--print", "--output", named.string()});
        EXPECT_EQ(program.WaitFor(60s), 1) << program.ErrorOutput();
        EXPECT_EQ(s.PrintLog(), "");
        EXPECT_NE(program.Output().find("Run: failed: cannot name the PDF file"), std::string::npos)
            << program.Output();
        EXPECT_NE(program.Output().find("Nothing went out to Vittlon PDF"), std::string::npos);
    }
}

TEST(PrintFaults, AConfigurationFileThatIsNoRegularFileIsNotRead) {
    Station s(3, kPdfPrinterName);
    fs::create_directories(s.pdf.string() + "-config/vittlon");
    ASSERT_EQ(::mkfifo((s.pdf.string() + "-config/vittlon/vittlon.conf").c_str(), 0600), 0);
    Program program(s.drives, s.pdf);
    EXPECT_EQ(program.WaitFor(60s), 0) << program.ErrorOutput();
    EXPECT_NE(program.ErrorOutput().find("vittlon.conf is not a regular file"), std::string::npos)
        << program.ErrorOutput();
}

TEST(PrintFaults, AStartDateWhoseDaysGoPastTheCalendarIsRefusedBeforeAnyLabel) {
    Station s(3, kPdfPrinterName);
    site::LabelSettings settings = SettingsWithoutPictures("12-10-2026", 3);
    settings.daysToPrint = 5;
    site::WriteLabelSettings(s.drives, s.layout, settings);
    Program program(s.drives, s.pdf, {}, false, {"--print", "--date", "12-29-9999"});
    EXPECT_EQ(program.WaitFor(60s), 2) << program.ErrorOutput();
    EXPECT_NE(program.ErrorOutput().find("--date: the 5 days of labels from 12-29-9999 go past"),
              std::string::npos)
        << program.ErrorOutput();
    EXPECT_FALSE(fs::exists(s.pdf) && !fs::is_empty(s.pdf));
}

}  // namespace
}  // namespace vt::test

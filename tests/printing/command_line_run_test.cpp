// The automatic run the command line asks for: its start date and printer serve that run only,
// --yes answers the date question, and the exit status tells a scheduled job what happened.
#include <gtest/gtest.h>

#include "support/run_fixture.h"

namespace vt::test {
namespace {

RunFixture& Automatic(RunFixture& f) {
    f.Add(1, 1, "1001", "Abernathy, Margaret");
    f.app->st.AutoPrint = 1;
    return f;
}

TEST(CommandLineRun, ItsStartDateAndPrinterServeThisRunAndAreNotStored) {
    RunFixture marker, line;
    Automatic(marker).Print();
    Automatic(line).app->st.CommandLine.startDate = Date(2026, 12, 15);
    line.app->st.CommandLine.printer = kPdfPrinterName;
    line.Print();

    EXPECT_EQ(line.tp.events.exitStatus, 0);
    EXPECT_EQ(line.tp.printers.current, kPdfPrinterName);
    ASSERT_EQ(line.app->st.Report.printed.size(), 1u);
    EXPECT_EQ(line.app->st.Report.printed[0].firstDate, "12-15-26");
    EXPECT_EQ(line.Printed().size(), 1u);
    // The station's settings are as the marker run leaves them: the stored date and printer.
    const std::string settings = line.layout.SetupPath("Labelset");
    EXPECT_EQ(line.tp.drives.ReadWhole(settings), marker.tp.drives.ReadWhole(settings));
}

TEST(CommandLineRun, AStartOfTodayPrintsOnlyWithYes) {
    for (const bool yes : {false, true}) {
        RunFixture f;
        Automatic(f).app->st.CommandLine.startDate = Date(2026, 12, 8);  // today
        f.app->st.CommandLine.printTodayOrPast = yes;
        f.Print();
        EXPECT_EQ(f.tp.dialogs.asked.empty(), yes);
        EXPECT_EQ(f.Printed().size(), yes ? 1u : 0u);
        EXPECT_EQ(f.tp.events.exitStatus, yes ? 0 : 3);
    }
}

TEST(CommandLineRun, ARunWithoutALabelEndsWithStatusThree) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret").nourishments[0] = {"", "", ""};
    f.app->st.AutoPrint = 1;
    f.Print();
    EXPECT_TRUE(f.Printed().empty());
    EXPECT_TRUE(f.tp.events.quit);
    EXPECT_EQ(f.tp.events.exitStatus, 3);
}

TEST(CommandLineRun, APrinterThatIsNotInstalledFailsTheRunAndIsNamed) {
    RunFixture f;
    Automatic(f).app->st.CommandLine.printer = "Kitchen Labels";
    f.Print();
    EXPECT_TRUE(f.Printed().empty());
    EXPECT_EQ(f.tp.events.exitStatus, 1);
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_NE(f.tp.dialogs.asked[0].detail.find("\"Kitchen Labels\""), std::string::npos);
}

}  // namespace
}  // namespace vt::test

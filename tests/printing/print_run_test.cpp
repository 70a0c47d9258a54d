// The print run: days, periods, units, residents, copies, tray meals, places on the sheet.
#include <gtest/gtest.h>

#include "app/program_end.h"
#include "platform/text.h"
#include "printing/print_run_loops.h"
#include "printing/run_report_text.h"
#include "site/dining_file.h"
#include "support/run_fixture.h"

namespace vt::test {
namespace {

TEST(PrintRun, DaysFollowEachOtherWithTheirPeriods) {
    RunFixture f;
    f.settings.daysToPrint = 3;
    f.settings.periodOn = {1, 0, 0, 1};
    f.settings.daysToExpire = 1;
    f.Add(1, 1, "1001", "Abernathy, Margaret").nourishments[3] = {"Cocoa", "", ""};
    f.settings.startDate = "12-11-2026";  // a Friday
    f.Print();

    std::vector<std::string> order;
    for (const DrawnLabel& label : f.Printed()) order.push_back(label.lines[0]);
    EXPECT_EQ(order,
              (std::vector<std::string>{"EAST W [10a] Fri 12-11-26", "EAST W [HS] Fri 12-11-26",
                                        "EAST W [10a] Sat 12-12-26", "EAST W [HS] Sat 12-12-26",
                                        "EAST W [10a] Sun 12-13-26", "EAST W [HS] Sun 12-13-26"}));
    // Expiration lines follow the day (the seventh text of each label).
    std::vector<std::string> expiries;
    for (const std::string& t : f.tp.printers.printer.Texts()) {
        if (t.rfind("expires", 0) == 0) expiries.push_back(t);
    }
    ASSERT_EQ(expiries.size(), 6u);
    EXPECT_EQ(expiries[0], "expires on  sat  12-12-26");
    EXPECT_EQ(expiries[5], "expires on  mon  12-14-26");
}

TEST(PrintRun, ThreeCopiesFillARowOfThree) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret").nourishments[0] = {"Ensure #", "", ""};
    f.Add(1, 2, "1002", "Brennan, Kathleen");
    f.Print();
    const auto labels = f.Printed();
    ASSERT_EQ(labels.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(labels[i].lines[3], "Ensure #");
        EXPECT_EQ(labels[i].left, (std::array<double, 3>{270, 4230, 8190})[i]);
        EXPECT_EQ(labels[i].top, 720);
    }
    // A fourth column at 0: the next label starts the next row.
    EXPECT_EQ(labels[3].left, 270);
    EXPECT_EQ(labels[3].top, 720 + 1440);
}

TEST(PrintRun, FourColumnsWhenTheFourthIsSet) {
    RunFixture f;
    f.geometry.columnX = {100, 3000, 6000, 9000};
    for (int s = 1; s <= 5; ++s) f.Add(1, s, std::to_string(1000 + s), "Person, Some");
    f.Print();
    const auto labels = f.Printed();
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(labels[3].left, 9000);
    EXPECT_EQ(labels[4].left, 100);
    EXPECT_EQ(labels[4].top, 720 + 1440);
}

TEST(PrintRun, TheThirtyFirstLabelStartsANewSheet) {
    RunFixture f;
    for (int s = 1; s <= 31; ++s) f.Add(1, s, std::to_string(1000 + s), "Person, Some");
    f.Print();
    const auto labels = f.Printed();
    ASSERT_EQ(labels.size(), 31u);
    EXPECT_EQ(labels[29].document, 0);
    EXPECT_EQ(labels[30].document, 1);
    EXPECT_EQ(labels[30].top, 720);
    EXPECT_EQ(labels[30].left, 270);
    EXPECT_EQ(f.tp.printers.printer.Documents(), 2);  // the full sheet and the last one
    EXPECT_EQ(f.tp.printers.runsEnded, 1);
}

TEST(PrintRun, ThePreviewShowsTenSlotsOfUnitOneAtTenAndNeverEndsADocument) {
    RunFixture f;
    f.settings.periodOn = {0, 1, 1, 1};
    f.settings.firstUnit = 2;
    f.settings.lastUnit = 2;
    f.settings.daysToPrint = 5;
    f.settings.startDate = "12-01-2026";  // in the past: a print would ask
    for (int s = 1; s <= 12; ++s) f.Add(1, s, std::to_string(1000 + s), "Person, Some");
    f.Add(2, 1, "2001", "Other, Unit");
    f.Preview();
    const auto labels = RunFixture::Labels(f.preview);
    ASSERT_EQ(labels.size(), 10u);
    EXPECT_EQ(labels[0].lines[0], "EAST W [10a] Tue 12-01-26");
    EXPECT_EQ(labels[9].lines[1], "R1010 Person, Some");
    EXPECT_TRUE(f.tp.dialogs.asked.empty());
    EXPECT_EQ(f.preview.Documents(), 0);
    EXPECT_TRUE(f.tp.printers.printer.ops.empty());
}

TEST(PrintRun, BarcodesForceNoFrameAndTickTheBox) {
    RunFixture f;
    f.settings.barcodeOn = 1;
    f.settings.noFrame = 0;
    f.Add(1, 1, "1001", "Abernathy, Margaret");
    f.Print();
    EXPECT_EQ(f.app->form1.Check6.Value, 1);
    EXPECT_EQ(f.app->st.NoFrame, 1);
    for (const RecordedOp& op : f.tp.printers.printer.ops)
        EXPECT_NE(op.kind, RecordedOp::Kind::Box);
}

TEST(PrintRun, TrayLabelsGiveThreeMealsUntilAMealHasNoRoom) {
    RunFixture f;
    f.settings.periodOn = {0, 0, 0, 0};
    f.settings.trayLabels = 1;
    site::WriteDiningFile(f.tp.root(), f.layout, {{"GR1", "Garden Room"}, {"MD1", "Main Dining"}});
    f.Add(1, 1, "1001", "Abernathy, Margaret").diningCodes = {"GR1", "MD1", "GR1"};
    f.Add(1, 2, "1002", "Brennan, Kathleen").diningCodes = {"MD1", "", "GR1"};
    f.Add(1, 3, "1003", "Cho, Min").diningCodes = {"GR1", "GR1", "GR1"};
    f.Print();
    std::vector<std::string> tags;
    for (const DrawnLabel& label : f.Printed())
        tags.push_back(label.lines[0] + "|" + Trim(label.lines[3]));
    EXPECT_EQ(tags, (std::vector<std::string>{" [Breakfast] |Garden Room", " [Lunch] |Main Dining",
                                              " [Supper]|Garden Room", " [Breakfast] |Main Dining",
                                              " [Breakfast] |Garden Room", " [Lunch] |Garden Room",
                                              " [Supper]|Garden Room"}));
    EXPECT_EQ(f.Printed()[0].top, 720 + 150);  // tray lines stand 150 twips lower
}

TEST(PrintRun, TheDateQuestionGuardsTodayAndThePast) {
    struct Case {
        const char* start;
        bool asked;
    };
    for (const Case& c : {Case{"12-08-2026", true}, Case{"11-30-2026", true},
                          Case{"12-09-2026", false}, Case{"01-04-2027", false}}) {
        RunFixture f;
        f.settings.startDate = c.start;
        f.Add(1, 1, "1001", "Abernathy, Margaret");
        f.tp.dialogs.answers = {MsgAnswer::No};
        f.Print();
        EXPECT_EQ(!f.tp.dialogs.asked.empty(), c.asked) << c.start;
        EXPECT_EQ(f.Printed().empty(), c.asked) << c.start;
        if (c.asked) {
            const auto& q = f.tp.dialogs.asked[0];
            EXPECT_EQ(q.text, Left(std::string(c.start), 2) + "/" + Mid(c.start, 4, 2) + "/" +
                                  Mid(c.start, 7, 4) +
                                  " Label Date is for Today or in the Past.  Do You Still Want "
                                  "to Print ?");
            EXPECT_EQ(q.title, "Label Date May Not Be What You Want");
            EXPECT_EQ(q.buttons, MsgButtons::YesNo);
            EXPECT_EQ(q.defaultButton, 2);
            EXPECT_FALSE(f.tp.drives.FileExists(f.layout.SetupPath("L1")));  // no log
        }
    }
    RunFixture yes;
    yes.settings.startDate = "12-08-2026";
    yes.Add(1, 1, "1001", "Abernathy, Margaret");
    yes.tp.dialogs.answers = {MsgAnswer::Yes};
    yes.Print();
    EXPECT_EQ(yes.Printed().size(), 1u);
}

TEST(PrintRun, SlotsAreSkippedForKeysFilesAndNames) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret");
    f.Add(1, 3,
          "\x7F"
          "12",
          "Bad, Key");  // a key starting above code 122
    f.Add(1, 4, "1004", "Inactive, Ida").active = false;
    f.Add(1, 5, "1005", "Npo, Ned").diets[1] = {99, "NPO"};
    f.Add(1, 6, "1006", "Nolines, Nell").nourishments[0] = {"", "", ""};
    f.units[1].resize(7);  // slot 7: an empty key without a ".~D1" file
    f.Add(1, 8, "1008", "Last, Lois");
    f.Print();
    std::vector<std::string> names;
    for (const DrawnLabel& label : f.Printed()) names.push_back(label.lines[1]);
    EXPECT_EQ(names, (std::vector<std::string>{"R1001 Abernathy, Margaret", "R1008 Last, Lois"}));
}

TEST(PrintRun, AStopRequestEndsTheRunAtTheNextResident) {
    RunFixture f;
    for (int s = 1; s <= 10; ++s) f.Add(1, s, std::to_string(1000 + s), "Person, Some");
    int residents = 0;
    f.tp.events.onDoEvents = [&] {
        if (++residents == 3) f.app->st.StopRequested = 1;
    };
    f.Print();
    EXPECT_EQ(f.Printed().size(), 3u);
    // The program is ending: the sheet so far is not sent, nothing is kept or logged.
    EXPECT_EQ(f.tp.printers.printer.Documents(), 0);
    EXPECT_EQ(f.tp.printers.runsEnded, 0);
    EXPECT_EQ(f.tp.printers.runsCancelled, 1);
    EXPECT_EQ(f.app->st.Report.outcome, RunReport::Outcome::Stopped);
}

TEST(PrintRun, AFailureIsToldOnceAndTheNextRunWorks) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret");
    f.Prepare();
    // The printer fails the job when the run sends its sheet.
    f.tp.printers.printer.refusal = "the print job on Office Laser failed";
    f.app->st.PreviewMode = 0;
    const std::string caption = f.app->form1.Form.Caption;
    Command1_Click(*f.app);
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.asked[0].text, "An Error Has Occurred while Printing Your Labels.");
    // The cause, for the operator to pass on, and what went out: the failed run keeps nothing.
    EXPECT_EQ(f.tp.dialogs.asked[0].detail,
              "the print job on Office Laser failed. Nothing went out to " + f.tp.printers.current);
    EXPECT_EQ(f.app->form1.Form.Caption, caption);
    EXPECT_EQ(f.tp.printers.runsEnded, 0);
    EXPECT_EQ(f.tp.printers.runsCancelled, 1);

    f.tp.printers.printer.refusal = "";
    f.Print();
    EXPECT_EQ(f.Printed().size(), 2u);  // the label of each run
    EXPECT_EQ(f.tp.printers.printer.Documents(), 1);
    EXPECT_EQ(f.tp.printers.runsEnded, 1);
    EXPECT_EQ(f.tp.dialogs.asked.size(), 1u);
}

TEST(PrintRun, TheAutomaticRunEndsTheProgram) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret");
    f.app->st.AutoPrint = 1;
    f.Print();
    EXPECT_TRUE(f.tp.events.quit);
    EXPECT_EQ(f.Printed().size(), 1u);
}

// Settings that print nothing say why, in the summary and the report; an automatic run ends
// with status 3 and the reason.
TEST(PrintRun, SettingsThatPrintNothingSayWhy) {
    const struct {
        void (*set)(site::LabelSettings&);
        const char* because;
    } rows[] = {
        {[](site::LabelSettings& s) { s.firstUnit = 3; }, "the unit range 3 to 1 holds no unit"},
        {[](site::LabelSettings& s) { s.daysToPrint = 0; },
         "the number of days to print (\"# of Days\") is 0"},
        {[](site::LabelSettings& s) {
             s.periodOn = {0, 0, 0, 0};
         },
         "no nourishment period and no tray labels are ticked"},
    };
    for (const auto& row : rows) {
        RunFixture f;
        f.Add(1, 1, "1001", "Abernathy, Margaret");
        row.set(f.settings);
        f.app->st.AutoPrint = 1;
        f.Print();
        EXPECT_EQ(RunReportSummary(f.app->st.Report),
                  std::string("Nothing printed: ") + row.because);
        EXPECT_NE(RunReportText(f.app->st.Report)
                      .find(std::string("Run: nothing printed: ") + row.because),
                  std::string::npos);
        EXPECT_EQ(f.tp.events.exitStatus, kExitNothingPrinted) << row.because;
    }
}

TEST(PrintRun, TitlesShowTheProgressAndComeBack) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret");
    std::string during;
    f.tp.events.onDoEvents = [&] {
        if (during.empty()) during = f.app->form2.Form.Caption;
    };
    f.app->form1.Form.Caption = "Main";
    f.Print();
    EXPECT_EQ(during,
              " Printing 10a Nourishments Unit: 1    Resident: 1    Nourishment Period: 1 "
              "............        ");
    EXPECT_EQ(f.app->form1.Form.Caption, "Main");
    EXPECT_EQ(f.app->form2.Form.Caption, " [ EASY ] Main");
}

TEST(PrintRun, UserDefinedLabelsOnePerSlotOnUnitOne) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret");  // unit 1's list exists on every station
    f.app->st.UserLabelMode = 1;
    for (long i = 1; i <= 6; ++i) f.app->st.UserLines(i) = "Happy birthday " + std::to_string(i);
    f.Preview();
    const auto labels = RunFixture::Labels(f.preview);
    ASSERT_EQ(labels.size(), 12u);
    EXPECT_EQ(labels[0].lines[0], "Happy birthday 1");
    EXPECT_EQ(labels[3].left, 270);  // three columns: the fourth label starts a new row
    EXPECT_EQ(labels[3].top, 720 + 1440);
}

TEST(PrintRun, UnitNamesAreShortened) {
    EXPECT_EQ(ShortUnitName("EAST WING           "), "EAST W");
    EXPECT_EQ(ShortUnitName("2 NORTH STATION     "), "2 NORTH S");
    EXPECT_EQ(ShortUnitName("GARDEN  COURT       "), "GARDEN");
    EXPECT_EQ(ShortUnitName("West wing"), "West w");
    EXPECT_EQ(ShortUnitName("WINGS   "), "WINGS");  // the keyword first: only the blanks cut
}

}  // namespace
}  // namespace vt::test

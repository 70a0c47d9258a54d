// Printing again what went wrong: chosen sheets of a run, or one label alone in a chosen cell;
// and where a dry run put each label, for finding them.
#include <gtest/gtest.h>

#include "printing/dry_run.h"
#include "printing/run_report_text.h"
#include "printing/sheet_geometry.h"
#include "site/dining_file.h"
#include "support/run_fixture.h"

namespace vt::test {
namespace {

// 65 residents, one with two labels, on the three-across sheet of 30 cells, from cell 5: three
// sheets (26 + 30 + 10 labels).
// With `tray`, three tray labels each after the 10am labels.
struct ReprintFixture : RunFixture {
    explicit ReprintFixture(bool tray = false) {
        settings.lastResident = 65;
        for (int s = 1; s <= 65; ++s) {
            Add(1, s, std::to_string(1000 + s), "Person, Some").diningCodes = {"GR1", "MD1", "GR1"};
        }
        residents[6].nourishments[0] = {"Ensure @", "", ""};  // slot 7: two labels
        if (tray) {
            settings.trayLabels = 1;
            site::WriteDiningFile(tp.root(), layout, {{"GR1", "Garden Room"}, {"MD1", "Main"}});
        }
        Prepare();
        app->st.UnitSizes(1) = 65;
        app->st.StartAtLabel = 5;
        app->st.PreviewMode = 0;
    }
    // The labels of one sheet (from 0) of a recording.
    static std::vector<DrawnLabel> OnSheet(const std::vector<DrawnLabel>& all, int sheet) {
        std::vector<DrawnLabel> on;
        for (const DrawnLabel& label : all) {
            if (label.document == sheet) on.push_back(label);
        }
        return on;
    }
    RunRequest Request() const { return RunRequestOf(app->st); }
};

TEST(Reprint, ChosenSheetsComeOutAsTheWholeRunMakesThem) {
    ReprintFixture whole;
    Command1_Click(*whole.app);
    const std::vector<DrawnLabel> all = whole.Printed();
    ASSERT_EQ(whole.tp.printers.printer.Documents(), 3);

    struct Case {
        std::string sheets;
        std::vector<int> printed;  // from 0
        std::string summary;
    };
    for (const Case& c : {Case{"2", {1}, "Printed 30 labels again on sheet 2 of 3"},
                          Case{"1, 3", {0, 2}, "Printed 36 labels again on sheets 1, 3 of 3"},
                          Case{"2-3", {1, 2}, "Printed 40 labels again on sheets 2-3 of 3"}}) {
        SCOPED_TRACE(c.sheets);
        ReprintFixture f;
        RunRequest run = f.Request();
        run.sheets = ReadPageList(c.sheets);
        PrintRun(*f.app, run);

        const std::vector<DrawnLabel> printed = f.Printed();
        ASSERT_EQ(f.tp.printers.printer.Documents(), int(c.printed.size()));
        std::size_t at = 0;
        for (std::size_t k = 0; k < c.printed.size(); ++k) {
            for (const DrawnLabel& want : ReprintFixture::OnSheet(all, c.printed[k])) {
                ASSERT_LT(at, printed.size());
                EXPECT_EQ(printed[at].lines, want.lines);
                EXPECT_EQ(printed[at].left, want.left);
                EXPECT_EQ(printed[at].top, want.top);
                EXPECT_EQ(printed[at].document, int(k));
                ++at;
            }
        }
        EXPECT_EQ(at, printed.size()) << "nothing else of the run";
        EXPECT_EQ(f.app->st.Report.outcome, RunReport::Outcome::Completed);
        EXPECT_EQ(RunReportSummary(f.app->st.Report), c.summary + " to " + f.app->st.PrinterName);
        EXPECT_EQ(f.app->st.StartAtLabel, 5) << "a reprint leaves the start cell";
        EXPECT_EQ(f.app->st.RunsReported, 1);
    }
}

TEST(Reprint, ASheetPastTheLastFailsTheRunAndKeepsNothing) {
    ReprintFixture f;
    RunRequest run = f.Request();
    run.sheets = ReadPageList("3-4");
    PrintRun(*f.app, run);
    EXPECT_EQ(f.app->st.Report.outcome, RunReport::Outcome::Failed);
    EXPECT_EQ(f.app->st.Report.failure, "the run has 3 sheets: there is no sheet 4 to print");
    EXPECT_EQ(f.tp.printers.runsCancelled, 1);
    EXPECT_EQ(f.tp.printers.runsEnded, 0);
    EXPECT_EQ(f.app->st.StartAtLabel, 5);
}

TEST(Reprint, OneLabelAloneInTheChosenCell) {
    ReprintFixture f(true);
    RecordingSurface sheets(4.8);
    const DryRunResult dry = DrawDryRun(*f.app, sheets, [] { return true; });
    const std::vector<RunReport::Placed>& placed = dry.report.placed;
    ASSERT_EQ(long(placed.size()), dry.report.Labels());
    // Where the dry run put them: from the start cell on, sheet by sheet.
    EXPECT_EQ(placed[0].sheet, 1);
    EXPECT_EQ(placed[0].cell, 5);
    EXPECT_EQ(placed[26].sheet, 2);
    EXPECT_EQ(placed[26].cell, 1);
    EXPECT_EQ(placed[0].name, "R1001 Person, Some");
    EXPECT_EQ(placed[0].period, f.app->st.PeriodNames(1));

    const std::vector<DrawnLabel> drawn = RunFixture::Labels(sheets);
    // The second copy of slot 7's 10am label, and the lunch tray label of slot 3.
    for (const std::size_t index : {std::size_t(7), std::size_t(65 + 1 + 3 * 2 + 1)}) {
        const RunReport::Placed& label = placed[index];
        SCOPED_TRACE(label.name + " " + label.period + " " + std::to_string(label.label.nth));
        ReprintFixture once(true);
        RunRequest run = once.Request();
        run.onlyLabel = label.label;
        run.startAtLabel = 8;
        PrintRun(*once.app, run);

        const std::vector<DrawnLabel> printed = once.Printed();
        ASSERT_EQ(printed.size(), 1u);
        const SheetGeometry sheet = SheetGeometry::Of(once.app->st);
        const LabelPlace cell8 = sheet.Place(3, 2);
        const LabelPlace was = sheet.Cell(label.cell);
        EXPECT_EQ(printed[0].left - cell8.left, drawn[index].left - was.left);
        EXPECT_EQ(printed[0].top - cell8.top, drawn[index].top - was.top);
        EXPECT_EQ(printed[0].lines, drawn[index].lines);
        EXPECT_EQ(once.tp.printers.printer.Documents(), 1);
        EXPECT_EQ(once.app->st.Report.Labels(), 1);
        EXPECT_EQ(RunReportSummary(once.app->st.Report),
                  "Printed 1 label again, in cell 8, to " + once.app->st.PrinterName);
        EXPECT_TRUE(once.app->st.Report.noLabel.empty()) << "nobody else was read";
        EXPECT_EQ(once.app->st.StartAtLabel, 5);
    }
    EXPECT_EQ(placed[7].label.nth, 2);
    EXPECT_EQ(placed[65 + 1 + 3 * 2 + 1].period, "tray");

    // A label no longer in the run (the resident's file gave fewer copies since) prints nothing.
    ReprintFixture changed;
    RunRequest run = changed.Request();
    run.onlyLabel = placed[7].label;
    run.onlyLabel->nth = 3;
    PrintRun(*changed.app, run);
    EXPECT_TRUE(changed.Printed().empty());
    EXPECT_NE(RunReportSummary(changed.app->st.Report).find("is no longer in the run"),
              std::string::npos);
}

}  // namespace
}  // namespace vt::test

// The run report: who got no label and why, the lines cut at their label's edge, what was
// printed where; its text and its file; and every label's drawing kept inside its own cell.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_error.h"
#include "platform/printers.h"
#include "printing/run_report_file.h"
#include "printing/run_report_text.h"
#include "settings/user_label_text.h"
#include "support/error_output.h"
#include "support/run_fixture.h"
#include "support/scoped_env.h"

namespace vt::test {
namespace {

namespace fs = std::filesystem;
using Cause = RunReport::NoLabelCause;

struct Entry {
    Cause cause;
    Int16 slot;
    std::string key;
    std::string period;
    bool operator==(const Entry&) const = default;
    friend void PrintTo(const Entry& e, std::ostream* out) {
        *out << "{cause " << static_cast<int>(e.cause) << ", slot " << e.slot << ", " << e.key
             << ", " << e.period << "}";
    }
};

std::vector<Entry> Entries(const RunReport& report) {
    std::vector<Entry> entries;
    for (const RunReport::NoLabel& e : report.noLabel) {
        entries.push_back({e.cause, e.slot, e.key, e.period});
    }
    return entries;
}

// Unit 1 (named "WEST", so that every label's first line fits a 2,900-twip label, its columns
// 2,950 twips apart) holds one
// resident of each kind: printed, no data file, an unsafe key, a data file over the size any
// real one has, inactive, nothing by mouth, nothing ordered for 10am, and a name too long for
// the label.
struct EveryCauseStation : RunFixture {
    EveryCauseStation() {
        SetUnits({"WEST                "});
        geometry.width = 2900;
        geometry.columnX = {270, 3220, 6170, 0};
        settings.daysToPrint = 2;  // the same residents come by twice: each is listed once
        Add(1, 1, "1001", "Able, Ann");
        units[1].push_back("1002");   // slot 2: in the list, no data file
        units[1].push_back("10/03");  // slot 3: a key that would leave the data folder
        Add(1, 4, "1004", "Damaged, Dan");
        Add(1, 5, "1005", "Gone, Greta").active = false;
        Add(1, 6, "1006", "Fasting, Fay").diets[1] = {99, "NPO"};
        Add(1, 7, "1007", "Nothing, Ned").nourishments[0] = {"", "", ""};
        site::Resident& longName = Add(1, 8, "1008", "Longfellowshire, Maximili");
        longName.location = "ROOM12";
        Prepare();
        // A data file longer than any real one is refused as damaged.
        WriteHostFile(Host(layout.ResidentPath("1004")), std::string(4 * 1024 * 1024 + 1, 'x'));
    }
};

TEST(RunReport, EachResidentWithoutALabelIsListedOnceWithItsCause) {
    EveryCauseStation f;
    CapturedErrorOutput errors;
    f.app->st.PreviewMode = 0;
    Command1_Click(*f.app);

    const RunReport& report = f.app->st.Report;
    EXPECT_EQ(Entries(report), (std::vector<Entry>{{Cause::NoDataFile, 2, "1002", ""},
                                                   {Cause::UnsafeKey, 3, "10/03", ""},
                                                   {Cause::Unreadable, 4, "1004", ""},
                                                   {Cause::Inactive, 5, "1005", ""},
                                                   {Cause::NothingByMouth, 6, "1006", ""},
                                                   {Cause::NothingOrdered, 7, "1007", "10a"}}));
    EXPECT_NE(report.noLabel[2].reason.find("File too large"), std::string::npos)
        << report.noLabel[2].reason;
    EXPECT_EQ(report.noLabel[5].name, "R1007 Nothing, Ned");

    ASSERT_EQ(report.printed.size(), 1u);
    EXPECT_EQ(report.printed[0].unitName, "WEST");
    EXPECT_EQ(report.printed[0].periodName, "10a");  // as the stored caption has it
    EXPECT_EQ(report.printed[0].labels, 4);          // two residents on two days
    EXPECT_EQ(report.printed[0].firstDate, "12-09-26");
    EXPECT_EQ(report.printed[0].lastDate, "12-10-26");
    EXPECT_EQ(report.sheets, 1);

    // 32 characters of 90 twips from 100 twips in, past the cell, which ends where the next
    // label's frame (10 twips left of it, one printer dot wide) begins: each day.
    ASSERT_EQ(report.cutLines.size(), 2u);
    EXPECT_EQ(report.cutLines[0].key, "1008");
    EXPECT_EQ(report.cutLines[0].date, "12-09-26");
    EXPECT_EQ(report.cutLines[0].period, "10a");
    EXPECT_EQ(report.cutLines[0].line, "ROOM12 Longfellowshire, Maximili");
    EXPECT_NEAR(report.cutLines[0].overTwips, 100 + 32 * 90 - (2950 - 10 - 4.8), 1e-9);
    EXPECT_EQ(report.cutLines[1].date, "12-10-26");
    EXPECT_EQ(report.outcome, RunReport::Outcome::Completed);
    EXPECT_EQ(report.printer, "Vittlon PDF");
    EXPECT_TRUE(RunReportNeedsAttention(report));
}

TEST(RunReport, UserLabelLinesAfterTheSixthAndTooLongLinesAreListed) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret");
    f.app->st.UserLabelMode = 1;
    f.app->st.ULabelText =
        "Happy birthday\r\nRose\r\n3\r\n4\r\nA line far too long for any label of this sheet\r\n"
        "6\r\nSeven\r\nEight";
    MakeU(*f.app);
    f.Print();

    const RunReport& report = f.app->st.Report;
    EXPECT_EQ(report.unprintedUserLines, (std::vector<std::string>{"Seven", "Eight"}));
    EXPECT_TRUE(report.noLabel.empty());
    ASSERT_EQ(report.Labels(), 30);  // a real user run fills slots 1 to 30
    ASSERT_EQ(report.cutLines.size(), 30u);
    EXPECT_EQ(report.cutLines[0].key, "");
    EXPECT_EQ(report.cutLines[0].line, "A line far too long for any label of this sheet");
    // 47 characters of 90 twips from 100 twips in, in a cell up to the next label's frame.
    EXPECT_NEAR(report.cutLines[0].overTwips, 100 + 47 * 90 - (4230 - 270 - 10 - 4.8), 1e-9);
}

TEST(RunReport, TheTextGroupsTheCausesAndTheFileIsNamedLikeThePdf) {
    RunReport report;
    report.printer = "Vittlon PDF";
    report.output = "/home/diet/Documents/Vittlon/labels-20261208-143000.pdf";
    report.printed = {{1, "WEST", 1, "10am", 2, "12-09-26", "12-10-26"}};
    report.sheets = 1;
    report.noLabel = {{Cause::Unreadable, 1, 4, "1004", "", "c:\\d\\1004.~D1: File too large", ""},
                      {Cause::NothingOrdered, 1, 7, "1007", "R1007 Nothing, Ned", "", "10am"},
                      {Cause::NothingOrdered, 1, 9, "1009", "R1009 Caf\xE9, Zo\xEB", "", "10am"},
                      {Cause::NothingOrdered, 1, 7, "1007", "R1007 Nothing, Ned", "", "2pm"}};
    report.cutLines = {{"1008", "12-09-26", "10am", "ROOM12 Longfellowshire", 80}};
    report.unprintedUserLines = {"Seven"};
    report.undrawnBarcodeType = 4;
    const std::string expected =
        "Vittlon run report\n"
        "Run: completed\n"
        "Printed 2 labels on 1 sheet to Vittlon PDF\n"
        "Output: /home/diet/Documents/Vittlon/labels-20261208-143000.pdf\n"
        "\nLabels by unit and period\n"
        "  unit 1 WEST, 10am: 2 labels, 12-09-26 to 12-10-26\n"
        "\nResidents who got no label\n"
        "  Data file could not be read or is damaged: 1\n"
        "    unit 1, slot 4, resident 1004: c:\\d\\1004.~D1: File too large\n"
        "\nNothing ordered for a period (no label for that period)\n"
        "  10am: 2 residents\n"
        "    unit 1, slot 7, resident 1007 R1007 Nothing, Ned\n"
        "    unit 1, slot 9, resident 1009 R1009 Caf\xC3\xA9, Zo\xC3\xAB\n"
        "  2pm: 1 resident\n"
        "    unit 1, slot 7, resident 1007 R1007 Nothing, Ned\n"
        "\nLines cut off at their label's edge\n"
        "  resident 1008, 12-09-26, 10am: \"ROOM12 Longfellowshire\", 1.4 mm too long\n"
        "\nUser label lines after the sixth, not printed\n"
        "  \"Seven\"\n"
        "\nBarcode type 4 cannot be drawn (types 3 and 6 can): the labels have no barcode\n";
    EXPECT_EQ(RunReportText(report), expected);

    TempDir dir;
    const fs::path saved = SaveRunReport(report, dir.path() / "reports");
    EXPECT_EQ(saved.filename(), "labels-20261208-143000.txt");
    EXPECT_EQ(ReadHostFile(saved), expected);
    // A second run in the same second keeps both.
    EXPECT_EQ(SaveRunReport(report, dir.path() / "reports").filename(),
              "labels-20261208-143000-2.txt");
}

// The report opens by itself only for what someone has to mend; the day's normal (inactive
// residents, nothing by mouth, nothing ordered for a period) is only listed.
TEST(RunReport, OnlyWhatNeedsSomeoneOpensTheReport) {
    const struct {
        Cause cause;
        bool opens;
    } rows[] = {{Cause::NoDataFile, true},      {Cause::Unreadable, true},
                {Cause::UnsafeKey, true},       {Cause::Inactive, false},
                {Cause::NothingByMouth, false}, {Cause::NothingOrdered, false}};
    for (const auto& row : rows) {
        RunReport report;
        report.noLabel = {{row.cause, 1, 2, "1002", "", "", ""}};
        EXPECT_EQ(RunReportNeedsAttention(report), row.opens) << int(row.cause);
    }
    RunReport report;
    EXPECT_FALSE(RunReportNeedsAttention(report));
    report.undrawnBarcodeType = 4;
    EXPECT_TRUE(RunReportNeedsAttention(report));
    report.undrawnBarcodeType = 0;
    report.cutLines = {{"1008", "12-09-26", "10am", "ROOM12 Longfellowshire", 80}};
    EXPECT_TRUE(RunReportNeedsAttention(report));
}

// A run that did not complete says what reached the printer or the file, never what it drew.
TEST(RunReport, TheSummaryOfARunThatDidNotCompleteTellsWhatWentOut) {
    using Outcome = RunReport::Outcome;
    const struct {
        Outcome outcome;
        const char* printer;
        long delivered;
        const char* summary;
    } rows[] = {
        {Outcome::Completed, "Q1", 9, "Printed 262 labels on 9 sheets to Q1"},
        {Outcome::Failed, "Q1", 0, "Nothing went out to Q1"},
        {Outcome::Stopped, "Q1", 0, "Nothing went out to Q1"},
        {Outcome::Failed, "Q1", 1, "Sent sheet 1 to Q1; the rest did not go out"},
        {Outcome::Stopped, "Q1", 8, "Sent sheets 1 to 8 to Q1; the rest did not go out"},
        {Outcome::Stopped, kPdfPrinterName, 0, "Nothing kept, no PDF file was written"},
    };
    for (const auto& row : rows) {
        RunReport report;
        report.printer = row.printer;
        report.printed = {{1, "WEST", 1, "10am", 262, "12-09-26", "12-09-26"}};
        report.sheets = 9;
        report.outcome = row.outcome;
        report.sheetsDelivered = row.delivered;
        EXPECT_EQ(RunReportSummary(report), row.summary);
    }
}

TEST(RunReport, OnlyTheNewest500ReportsAreKeptAndNothingElseIsTouched) {
    TempDir dir;
    const fs::path folder = dir.path() / "reports";
    fs::create_directories(folder);
    for (int i = 0; i < 500; ++i) {
        WriteHostFile(folder / ("labels-20250101-" + std::to_string(100000 + i) + ".txt"), "old");
    }
    // Among the oldest names: a user's own file, and a link to a file elsewhere.
    WriteHostFile(folder / "labels-2019-inventory.txt", "the operator's own");
    WriteHostFile(dir.path() / "elsewhere.txt", "not ours");
    fs::create_symlink(dir.path() / "elsewhere.txt", folder / "labels-20000101-000000.txt");
    RunReport report;
    report.output = "/pdf/labels-20261208-143000.pdf";
    SaveRunReport(report, folder);
    EXPECT_FALSE(fs::exists(folder / "labels-20250101-100000.txt"));
    EXPECT_TRUE(fs::exists(folder / "labels-20250101-100001.txt"));
    EXPECT_TRUE(fs::exists(folder / "labels-20261208-143000.txt"));
    EXPECT_TRUE(fs::exists(folder / "labels-2019-inventory.txt"));
    EXPECT_TRUE(fs::is_symlink(folder / "labels-20000101-000000.txt"));
    EXPECT_EQ(ReadHostFile(dir.path() / "elsewhere.txt"), "not ours");
}

// Reports name residents: only this user reads them, runs of one second keep a report each,
// and without a home no folder is guessed.
TEST(RunReport, ReportsArePrivateNewFilesAndNeedAHome) {
    TempDir dir;
    const fs::path folder = dir.path() / "state" / "reports";
    RunReport report;
    report.output = "/pdf/labels-20261208-143000.pdf";
    std::vector<fs::path> saved;
    for (int run = 0; run < 3; ++run) saved.push_back(SaveRunReport(report, folder));
    EXPECT_EQ(saved, (std::vector<fs::path>{folder / "labels-20261208-143000.txt",
                                            folder / "labels-20261208-143000-2.txt",
                                            folder / "labels-20261208-143000-3.txt"}));
    for (const fs::path& made : {folder, folder.parent_path()}) {
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
    }
    EXPECT_EQ(fs::status(saved[0]).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    ScopedEnv noState("XDG_STATE_HOME", nullptr);
    ScopedEnv noHome("HOME", nullptr);
    EXPECT_THROW(SaveRunReport(report), FileError);
}

TEST(RunReport, ARealRunSavesItsReportAndThePreviewDoesNot) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret");
    f.Preview();
    const fs::path folder = RunReportFolder();
    EXPECT_FALSE(fs::exists(folder));
    f.Print();
    ASSERT_TRUE(fs::exists(folder));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        ++files;
        EXPECT_NE(ReadHostFile(entry.path()).find("Printed 1 label on 1 sheet to Vittlon PDF"),
                  std::string::npos);
    }
    EXPECT_EQ(files, 1);
}

// Every drawing of a label happens with the label's cell as the clip (frame and pen width
// around it), and starts inside it; nothing is drawn with a clip of another label or none.
TEST(LabelClip, EveryDrawingOfALabelStaysInItsCell) {
    RunFixture f;
    f.settings.noFrame = 0;
    f.settings.barcodeOn = 1;
    for (int slot = 1; slot <= 4; ++slot) {
        const std::string key = std::to_string(1000 + slot);
        f.Add(1, slot, key, "Resident " + key).nourishments[0] = {"A nourishment line of 29 char",
                                                                  "", ""};
    }
    f.Print();
    const RecordingSurface& printer = f.tp.printers.printer;
    int drawn = 0;
    for (const RecordedOp& op : printer.ops) {
        if (op.kind == RecordedOp::Kind::EndDoc) {
            EXPECT_FALSE(op.clip) << "the clip outlives the label";
            continue;
        }
        ASSERT_TRUE(op.clip) << op.text;
        ++drawn;
        const double pen = 4.8;  // one printer dot
        // The cell of the label this drawing belongs to: columns at 270, 4230, 8190, rows from
        // 720 down, 3780 x 1440 twips; the cell reaches the next label's frame (the sheet's
        // edge after the last column) and the next row's first line.
        const double x = op.kind == RecordedOp::Kind::FillDeviceRect ? op.x1 * pen : op.x1;
        const double y = op.kind == RecordedOp::Kind::FillDeviceRect ? op.y1 * pen : op.y1;
        EXPECT_GE(x, op.clip->x) << op.text;
        EXPECT_LE(x, op.clip->x + op.clip->width) << op.text;
        EXPECT_GE(y, op.clip->y) << op.text;
        EXPECT_LE(y, op.clip->y + op.clip->height) << op.text;
        const double left = op.clip->x + 10 + pen;
        EXPECT_TRUE(left == 270 || left == 4230 || left == 8190) << left;
        const double next = left == 8190 ? 12240 : left + 3960;
        EXPECT_DOUBLE_EQ(op.clip->width, next - left);
        EXPECT_DOUBLE_EQ(op.clip->height, 1440 + pen);
    }
    EXPECT_GT(drawn, 4 * 8);
}

// Stop ends the run at the next resident without ending the program: no output is kept, nothing
// is logged, the report says so, and the next run prints in full.
TEST(StopRun, TheRunEndsKeepingNothingAndTheProgramGoesOn) {
    RunFixture f;
    for (int slot = 1; slot <= 5; ++slot) {
        f.Add(1, slot, std::to_string(1000 + slot), "Resident " + std::to_string(slot));
    }
    f.tp.events.onDoEvents = [&] {
        EXPECT_TRUE(f.app->st.Report.running);
        if (f.app->st.ResidentNo == 2) StopRun(*f.app);
    };
    f.Print();
    const RunReport& stopped = f.app->st.Report;
    EXPECT_EQ(stopped.outcome, RunReport::Outcome::Stopped);
    EXPECT_EQ(stopped.Labels(), 2);
    EXPECT_FALSE(stopped.running);
    EXPECT_EQ(f.tp.printers.runsCancelled, 1);
    EXPECT_EQ(f.tp.printers.runsEnded, 0);
    EXPECT_FALSE(
        fs::exists(f.Host(f.app->st.SetupTable(23) + "\\setup\\L1." + f.app->st.StationCode)))
        << "a stopped run is not logged";
    EXPECT_EQ(f.app->st.StopRequested, 0);
    EXPECT_FALSE(f.tp.events.QuitRequested());

    f.tp.events.onDoEvents = nullptr;
    f.Print();
    EXPECT_EQ(f.app->st.Report.outcome, RunReport::Outcome::Completed);
    EXPECT_EQ(f.app->st.Report.Labels(), 5);
    EXPECT_EQ(f.tp.printers.runsEnded, 1);
}

// The live preview marks a line cut at its label's edge in red; paper never shows the mark.
TEST(LabelClip, OnlyThePreviewMarksACutLine) {
    RunFixture f;
    f.Add(1, 1, "1001", "Abernathy, Margaret");
    f.geometry.width = 2500;
    f.geometry.columnX = {270, 2950, 5630, 0};
    f.Add(1, 2, "1002", "Brennan-Featherstonehaugh").location = "ROOM12";  // 32 characters
    const auto marks = [](const RecordingSurface& surface) {
        std::vector<RecordedOp> found;
        for (const RecordedOp& op : surface.ops) {
            if (op.kind == RecordedOp::Kind::FillRect) found.push_back(op);
        }
        return found;
    };
    f.Preview();
    const auto shown = marks(f.preview);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rgb, 0xD00000u);
    // At the second label's cell edge, where the third label's frame (a pixel wide) begins.
    EXPECT_DOUBLE_EQ(shown[0].x1 + shown[0].x2, 5630 - 10 - 15);
    EXPECT_EQ(f.app->st.Report.cutLines.size(), 1u);
    f.Print();
    EXPECT_TRUE(marks(f.tp.printers.printer).empty());
}

}  // namespace
}  // namespace vt::test

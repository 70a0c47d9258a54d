// Runs on a sheet used in part, a chosen number of user-defined labels, and a printer's
// alignment: where the labels land, and what the next run starts from.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/run_fixture.h"

namespace vt::test {
namespace {

void AddResidents(RunFixture& f, int count) {
    for (int s = 1; s <= count; ++s) f.Add(1, s, std::to_string(1000 + s), "Person, Some");
}

TEST(PartUsedSheet, StartAtSevenFillsFromRowThreeAndTheNextSheetFromItsFirstCell) {
    RunFixture f;
    AddResidents(f, 30);
    f.app->st.StartAtLabel = 7;  // 3 across, 10 down: cell 7 is row 3, column 1
    f.Print();
    const auto labels = f.Printed();
    ASSERT_EQ(labels.size(), 30u);
    EXPECT_EQ(labels[0].left, 270);
    EXPECT_EQ(labels[0].top, 720 + 2 * 1440);
    EXPECT_EQ(labels[0].document, 0);
    EXPECT_EQ(labels[23].document, 0);  // cells 7 to 30 of the first sheet
    EXPECT_EQ(labels[24].document, 1);  // the 25th label: the second sheet's first cell
    EXPECT_EQ(labels[24].left, 270);
    EXPECT_EQ(labels[24].top, 720);
    // Nothing at all in the cells left empty, not even a frame.
    for (const RecordedOp& op : f.tp.printers.printer.ops) {
        if (op.kind == RecordedOp::Kind::EndDoc) break;
        EXPECT_GE(op.y1, 720 + 2 * 1440 - 30);  // the first line stands 30 twips above
    }
}

TEST(PartUsedSheet, ACompletedRunGoesBackToTheFirstCellAndPrintsAsAFreshStationDoes) {
    RunFixture fresh, used;
    AddResidents(fresh, 5);
    AddResidents(used, 5);
    fresh.Print();
    used.app->st.StartAtLabel = 7;
    used.Print();
    EXPECT_EQ(used.app->st.StartAtLabel, 1);
    used.tp.printers.printer.ops.clear();
    used.Print();
    const auto& a = fresh.tp.printers.printer.ops;
    const auto& b = used.tp.printers.printer.ops;
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_TRUE(a[i].kind == b[i].kind && a[i].x1 == b[i].x1 && a[i].y1 == b[i].y1 &&
                    a[i].x2 == b[i].x2 && a[i].y2 == b[i].y2 && a[i].text == b[i].text)
            << "op " << i;
    }
}

TEST(PartUsedSheet, AStoppedRunKeepsTheCell) {
    RunFixture f;
    AddResidents(f, 10);
    f.app->st.StartAtLabel = 5;
    int residents = 0;
    f.tp.events.onDoEvents = [&] {
        if (++residents == 2) StopRun(*f.app);  // the operator's Stop
    };
    f.Print();
    EXPECT_EQ(f.Printed().size(), 2u);
    EXPECT_EQ(f.app->st.StartAtLabel, 5);
}

// The preview is the first sheet as it will print from any cell: the cells before it outlined,
// the labels in the cells that follow, and nothing of a second sheet drawn over it.
TEST(PartUsedSheet, ThePreviewShowsTheFirstSheetFromTheStartCell) {
    for (const int start : {2, 5, 7, 28}) {
        RunFixture f;
        AddResidents(f, 10);
        f.app->st.StartAtLabel = static_cast<Int16>(start);
        f.Preview();
        const auto labels = RunFixture::Labels(f.preview);
        ASSERT_EQ(labels.size(), std::min<std::size_t>(10, 31 - start)) << start;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const long cell = start - 1 + static_cast<long>(i);  // from 0
            const double columns[] = {270, 4230, 8190};
            EXPECT_EQ(labels[i].left, columns[cell % 3]) << start;
            EXPECT_EQ(labels[i].top, 720 + cell / 3 * 1440) << start;
            const std::string juice = "Juice " + std::to_string(1001 + i);  // in slot order
            EXPECT_TRUE(std::any_of(labels[i].lines.begin(), labels[i].lines.end(),
                                    [&](const std::string& l) { return l.find(juice) == 0; }))
                << start << " " << juice;
        }
        int outlinesBefore = 0;
        for (const RecordedOp& op : f.preview.ops) {
            EXPECT_NE(op.kind, RecordedOp::Kind::Cls) << start;
            if (op.kind == RecordedOp::Kind::Text) break;
            if (op.kind == RecordedOp::Kind::Box) ++outlinesBefore;
        }
        EXPECT_EQ(outlinesBefore, start - 1 + 1) << start;  // then the first label's own frame
    }
}

TEST(PartUsedSheet, AUserRunPrintsTheChosenNumberOrWhatItsPeriodsMake) {
    RunFixture chosen;
    chosen.Add(1, 1, "1001", "Abernathy, Margaret");
    chosen.app->st.UserLabelMode = 1;
    chosen.app->st.UserLabelCount = 4;
    chosen.app->st.UserLines(1) = "Happy birthday";
    chosen.Print();
    EXPECT_EQ(chosen.Printed().size(), 4u);

    RunFixture untouched;
    untouched.Add(1, 1, "1001", "Abernathy, Margaret");
    untouched.settings.periodOn = {1, 0, 0, 1};  // two periods, and tray labels of three meals
    untouched.settings.trayLabels = 1;
    untouched.app->st.UserLabelMode = 1;
    untouched.app->st.UserLines(1) = "Happy birthday";
    untouched.Preview();  // the window shows what the settings make after each preview
    const long shown = untouched.app->st.UserLabelsBySettings;
    untouched.Print();
    long drawn = 0;
    for (const auto& p : untouched.app->st.Report.printed) drawn += p.labels;
    EXPECT_EQ(drawn, shown);
    EXPECT_EQ(drawn, 30 + 30 + 90);
}

TEST(PartUsedSheet, AnAlignmentMovesEveryPrintedDrawingAndNothingOfThePreview) {
    for (const double downScale : {100.0, 100.5}) {
        RunFixture plain, aligned;
        for (RunFixture* f : {&plain, &aligned}) {
            AddResidents(*f, 4);
            f->settings.noFrame = 0;
        }
        // The stored printer's: 1.5 mm down, and stretched down from the page's top.
        aligned.tp.printers.alignments[kPdfPrinterName] = {0, 1.5, 100, downScale};
        plain.Print();
        aligned.Print();
        const auto& a = plain.tp.printers.printer.ops;
        const auto& b = aligned.tp.printers.printer.ops;
        ASSERT_EQ(a.size(), b.size());
        const double s = downScale / 100;
        int moved = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i].kind == RecordedOp::Kind::EndDoc) continue;
            // 1.5 mm in whole twips; the bars are placed in the printer's dots.
            const double shift = a[i].kind == RecordedOp::Kind::FillDeviceRect ? 85 / 4.8 : 85;
            EXPECT_EQ(b[i].x1, a[i].x1) << "op " << i;
            EXPECT_DOUBLE_EQ(b[i].y1, a[i].y1 * s + shift) << "op " << i;
            if (a[i].kind == RecordedOp::Kind::Box) {
                EXPECT_DOUBLE_EQ(b[i].y2, a[i].y2 * s + shift) << "op " << i;
            }
            ++moved;
        }
        EXPECT_GT(moved, 8);

        plain.Preview();
        aligned.Preview();
        ASSERT_EQ(plain.preview.ops.size(), aligned.preview.ops.size());
        for (std::size_t i = 0; i < plain.preview.ops.size(); ++i) {
            EXPECT_EQ(aligned.preview.ops[i].y1, plain.preview.ops[i].y1) << "preview op " << i;
        }
    }
}

}  // namespace
}  // namespace vt::test

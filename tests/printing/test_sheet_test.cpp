// The alignment test sheet: each cell of the label type outlined once, with the cross where its
// first line starts, on one sheet moved by the alignment being set.
#include "printing/test_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/run_fixture.h"

namespace vt::test {
namespace {

TEST(TestSheet, OutlinesEachCellOnceOnOneSheetMovedByTheAlignmentBeingSet) {
    for (const double downScale : {100.0, 100.5}) {
        RunFixture f;
        f.Prepare();
        ASSERT_TRUE(PrintTestSheet(*f.app, {0, 1.5, 100, downScale}));

        const RecordingSurface& page = f.tp.printers.printer;
        EXPECT_EQ(page.Documents(), 1);
        EXPECT_EQ(f.tp.printers.runsEnded, 1);
        std::vector<std::pair<double, double>> outlines;
        for (const RecordedOp& op : page.ops) {
            if (op.kind == RecordedOp::Kind::Box) outlines.push_back({op.x1, op.y1});
        }
        ASSERT_EQ(outlines.size(), 30u);  // 3 across, 10 down
        for (int cell = 0; cell < 30; ++cell) {
            const double left = std::array{270.0, 4230.0, 8190.0}[cell % 3];
            // Stretched from the page's top, then 1.5 mm down.
            const double top = (720 + (cell / 3) * 1440) * downScale / 100 + 85;
            EXPECT_DOUBLE_EQ(outlines[static_cast<std::size_t>(cell)].first, left);
            EXPECT_DOUBLE_EQ(outlines[static_cast<std::size_t>(cell)].second, top)
                << "cell " << cell + 1;
        }
        const auto texts = page.Texts();
        EXPECT_NE(std::find(texts.begin(), texts.end(), "right +0.0 mm, down +1.5 mm"),
                  texts.end());
        const std::string scale =
            downScale == 100 ? "across 100.0 %, down 100.0 %" : "across 100.0 %, down 100.5 %";
        EXPECT_NE(std::find(texts.begin(), texts.end(), scale), texts.end());
    }
}

TEST(TestSheet, APrinterThatFailsTheJobIsTold) {
    RunFixture f;
    f.Prepare();
    f.tp.printers.printer.refusal = "the print job on Office Laser failed";
    EXPECT_FALSE(PrintTestSheet(*f.app, {}));
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.asked[0].detail, "the print job on Office Laser failed");
    EXPECT_EQ(f.tp.printers.runsEnded, 1);
}

}  // namespace
}  // namespace vt::test

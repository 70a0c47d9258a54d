// A printer's alignment on the page: everything drawn is stretched around the top left corner,
// then moved; as drawn when the scale is 100 %.
#include "platform/shifted_surface.h"

#include <gtest/gtest.h>

#include "platform/recording_surface.h"

namespace vt::test {
namespace {

TEST(ShiftedSurface, StretchesFromTheTopLeftCornerThenMoves) {
    struct Case {
        double across, down;
    };
    for (const Case& c : {Case{1, 1}, Case{1, 1.005}, Case{0.99, 1.01}}) {
        RecordingSurface page(4.8);
        ShiftedSurface s;
        s.Retarget(page, 30, -20, c.across, c.down);
        s.Line(100, 200, 1100, 15000, true);
        s.SetCurrentX(4000);
        s.SetCurrentY(14000);
        s.SetFontSize(9);
        const double width = s.Print("Milk 2% 8 oz");
        s.FillDeviceRect(1000, 3000, 96, 17);

        ASSERT_EQ(page.ops.size(), 3u);
        const RecordedOp& box = page.ops[0];
        EXPECT_DOUBLE_EQ(box.x1, 100 * c.across + 30);
        EXPECT_DOUBLE_EQ(box.y1, 200 * c.down - 20);
        EXPECT_DOUBLE_EQ(box.x2, 1100 * c.across + 30);
        EXPECT_DOUBLE_EQ(box.y2, 15000 * c.down - 20) << "the last row moves by its share";
        const RecordedOp& text = page.ops[1];
        EXPECT_DOUBLE_EQ(text.x1, 4000 * c.across + 30);
        EXPECT_DOUBLE_EQ(text.y1, 14000 * c.down - 20);
        EXPECT_EQ(text.fontSize, 9) << "texts keep their size";
        EXPECT_DOUBLE_EQ(width, page.TextWidth("Milk 2% 8 oz") / c.across);
        const RecordedOp& bars = page.ops[2];
        EXPECT_DOUBLE_EQ(bars.x1, 1000 * c.across + 30 / 4.8);
        EXPECT_DOUBLE_EQ(bars.x2, 96 * c.across);
        EXPECT_DOUBLE_EQ(bars.y2, 17 * c.down);
        EXPECT_DOUBLE_EQ(s.CurrentY(), (page.CurrentY() + 20) / c.down);
    }
}

}  // namespace
}  // namespace vt::test

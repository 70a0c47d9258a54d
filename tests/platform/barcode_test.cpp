// The barcode component's bars on a recording surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/barcode.h"
#include "platform/recording_surface.h"

namespace vt {
namespace {

struct Drawn {
    std::vector<RecordedOp> bars;
    std::string readable;
};

Drawn DrawCode(int symbology, const std::string& text, double width = 460) {
    RecordingSurface surface(4.8);
    Barcod code;
    code.Symbology = symbology;
    code.Text = text;
    code.X = 100;
    code.Y = 50;
    code.Width = width;
    code.Height = 80;
    code.Draw(surface);
    return {surface.ops, code.HumanReadable()};
}

TEST(Barcode, BarsFillTheBoxExactly) {
    for (int symbology : {Barcod::kCode39, Barcod::kCode128}) {
        const Drawn d = DrawCode(symbology, "M1234");
        ASSERT_FALSE(d.bars.empty());
        EXPECT_DOUBLE_EQ(d.bars.front().x1, 100);
        EXPECT_NEAR(d.bars.back().x1 + d.bars.back().x2, 560, 1e-9);
        for (const RecordedOp& op : d.bars) {
            EXPECT_EQ(op.kind, RecordedOp::Kind::FillDeviceRect);
            EXPECT_EQ(op.y1, 50);
            EXPECT_EQ(op.y2, 80);
        }
        EXPECT_EQ(d.readable, "M1234");
    }
}

TEST(Barcode, Code39DrawsFiveBarsPerCharacterInTwoWidths) {
    // "*M1234*": start, five characters and stop, each of five bars (and four spaces), every
    // bar narrow or wide.
    const Drawn d = DrawCode(Barcod::kCode39, "M1234");
    ASSERT_EQ(d.bars.size(), 7u * 5u);
    double narrow = d.bars[0].x2, wide = d.bars[0].x2;
    for (const RecordedOp& op : d.bars) {
        narrow = std::min(narrow, op.x2);
        wide = std::max(wide, op.x2);
    }
    for (const RecordedOp& op : d.bars) {
        EXPECT_TRUE(std::abs(op.x2 - narrow) < 1e-9 || std::abs(op.x2 - wide) < 1e-9);
    }
    EXPECT_GE(wide / narrow, 2.0 - 1e-9);
    EXPECT_LE(wide / narrow, 3.0 + 1e-9);
}

TEST(Barcode, TextsASymbologyCannotHoldDrawNothing) {
    struct Case {
        int symbology;
        std::string text;
        double width;
    };
    for (const Case& c : {Case{Barcod::kCode39, "m1234", 460}, Case{Barcod::kCode39, "M#1", 460},
                          Case{Barcod::kCode128, "M\xE9", 460}, Case{Barcod::kCode39, "", 460},
                          Case{9, "M1234", 460}, Case{Barcod::kCode128, "M1234", 0},
                          Case{Barcod::kCode128, "M1234", -5}}) {
        const Drawn d = DrawCode(c.symbology, c.text, c.width);
        EXPECT_TRUE(d.bars.empty()) << c.text << " " << c.symbology;
        EXPECT_EQ(d.readable, c.text);
    }
}

}  // namespace
}  // namespace vt

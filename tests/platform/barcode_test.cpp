// The barcode component's bars on a recording surface, checked against the symbologies' own
// rules rather than against libzint's output.
#include "platform/barcode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/recording_surface.h"

namespace vt {
namespace {

struct Box {
    double x = 290.25, y = 170.5, width = 460, height = 80;
};

struct Drawn {
    std::vector<RecordedOp> bars;
    std::string readable;
};

Drawn DrawCode(int symbology, const std::string& text, Box box = {}) {
    RecordingSurface surface(4.8);
    Barcod code;
    code.Symbology = symbology;
    code.Text = text;
    code.X = box.x;
    code.Y = box.y;
    code.Width = box.width;
    code.Height = box.height;
    code.Draw(surface);
    return {surface.ops, code.HumanReadable()};
}

// The narrowest element of both symbologies is one module, and every value used here has a
// one-module bar, so the box width over the narrowest bar counts the symbol's modules.
int ModuleCount(const Drawn& d, const Box& box) {
    double narrowest = d.bars.front().x2;
    for (const RecordedOp& op : d.bars) narrowest = std::min(narrowest, op.x2);
    return static_cast<int>(std::lround(box.width / narrowest));
}

// The symbol read back from the bars, one character a module: '1' bar, '0' space.
std::string Pattern(const Drawn& d, const Box& box, int modules) {
    const double module = box.width / modules;
    std::string pattern;
    for (int k = 0; k < modules; ++k) {
        const double centre = box.x + (k + 0.5) * module;
        const bool bar = std::any_of(d.bars.begin(), d.bars.end(), [&](const RecordedOp& op) {
            return op.x1 <= centre && centre < op.x1 + op.x2;
        });
        pattern += bar ? '1' : '0';
    }
    return pattern;
}

TEST(Barcode, BarsFillTheBoxExactlyFromLeftToRight) {
    for (const Box box : {Box{}, Box{.width = 300}, Box{.x = 0, .y = 0, .width = 37.5}}) {
        for (int symbology : {Barcod::kCode39, Barcod::kCode128}) {
            const Drawn d = DrawCode(symbology, "M1234", box);
            ASSERT_FALSE(d.bars.empty());
            EXPECT_DOUBLE_EQ(d.bars.front().x1, box.x);
            EXPECT_NEAR(d.bars.back().x1 + d.bars.back().x2, box.x + box.width, 1e-9);
            double rightOfLast = box.x;
            for (const RecordedOp& op : d.bars) {
                EXPECT_EQ(op.kind, RecordedOp::Kind::FillDeviceRect);
                EXPECT_DOUBLE_EQ(op.y1, box.y);
                EXPECT_DOUBLE_EQ(op.y2, box.height);
                // Bars in order, apart (a space between any two), never outside the box.
                EXPECT_GT(op.x2, 0);
                EXPECT_GE(op.x1, rightOfLast);
                rightOfLast = op.x1 + op.x2;
                EXPECT_LE(rightOfLast, box.x + box.width + 1e-9);
            }
        }
    }
}

TEST(Barcode, SymbolWidthInModules) {
    struct Case {
        int symbology;
        std::string text;
        int modules;
    };
    // Code 128: 11 modules a symbol for start, data and check, 13 for the stop. "M1234" is
    // Start B, M, Code C, 12, 34 + check = 6 symbols: 6 x 11 + 13 = 79. "H99871" is Start B,
    // H, 9, Code C, 98, 71 + check = 7 symbols: 90 (all in set B would be 8 symbols).
    // Code 39: each character has 6 narrow and 3 wide elements; libzint draws a wide one as
    // two modules, so 12 modules a character, with a one-module gap between characters. With
    // the "*" start and stop, "M1234" is 7 characters: 7 x 12 + 6 = 90; "H99871" 8: 103.
    for (const Case& c :
         {Case{Barcod::kCode128, "M1234", 79}, Case{Barcod::kCode128, "H99871", 90},
          Case{Barcod::kCode39, "M1234", 90}, Case{Barcod::kCode39, "H99871", 103}}) {
        const Box box;
        const Drawn d = DrawCode(c.symbology, c.text, box);
        ASSERT_FALSE(d.bars.empty()) << c.text;
        EXPECT_EQ(ModuleCount(d, box), c.modules) << c.symbology << " " << c.text;
    }
}

TEST(Barcode, Code128BarsOfM1234) {
    // From the Code 128 table: Start B (104), "M" in set B (45), Code C (99), "12", "34", the
    // check (104 + 1x45 + 2x99 + 3x12 + 4x34) mod 103 = 4, and the stop.
    const std::string expected = std::string("11010010000") + "10111011000" + "10111011110" +
                                 "10110011100" + "10001011000" + "10010001100" + "1100011101011";
    const Box box;
    const Drawn d = DrawCode(Barcod::kCode128, "M1234", box);
    ASSERT_FALSE(d.bars.empty());
    EXPECT_EQ(Pattern(d, box, 79), expected);
}

TEST(Barcode, Code39BarsOfM1234) {
    const Box box;
    const Drawn d = DrawCode(Barcod::kCode39, "M1234", box);
    ASSERT_FALSE(d.bars.empty());
    const std::string pattern = Pattern(d, box, 90);
    // "*": narrow bar, wide space, narrow bar, narrow space, wide bar, narrow space, wide bar,
    // narrow space, narrow bar, at both ends.
    EXPECT_EQ(pattern.substr(0, 12), "100101101101");
    EXPECT_EQ(pattern.substr(78), "100101101101");
    for (int ch = 0; ch < 7; ++ch) {
        const std::string one = pattern.substr(static_cast<std::size_t>(ch) * 13, 12);
        // Five bars and four spaces, three of the nine elements wide.
        int elements = 0, wide = 0;
        for (std::size_t i = 0; i < one.size();) {
            std::size_t end = i;
            while (end < one.size() && one[end] == one[i]) ++end;
            ++elements;
            wide += end - i == 2 ? 1 : 0;
            i = end;
        }
        EXPECT_EQ(one.front(), '1') << "character " << ch;
        EXPECT_EQ(elements, 9) << "character " << ch;
        EXPECT_EQ(wide, 3) << "character " << ch;
        if (ch < 6) {
            EXPECT_EQ(pattern[static_cast<std::size_t>(ch) * 13 + 12], '0') << "gap " << ch;
        }
    }
}

TEST(Barcode, HumanReadableIsTheEncodedValue) {
    // Code 39's "*" start and stop are not part of the value.
    for (int symbology : {Barcod::kCode39, Barcod::kCode128}) {
        for (const std::string text : {"M1234", "H99871", "S-7 .$/+%"}) {
            EXPECT_EQ(DrawCode(symbology, text).readable, text) << symbology;
        }
    }
}

TEST(Barcode, ValuesItCannotDrawGiveNoBarsAndTheValue) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* why;
        int symbology;
        std::string text;
        Box box;
    };
    for (const Case& c : {
             // libzint would draw "M1234" for "m1234": the bars must carry the printed value.
             Case{"lower case in Code 39", Barcod::kCode39, "m1234", {}},
             Case{"# in Code 39", Barcod::kCode39, "M#1", {}},
             Case{"byte above 127 in Code 128", Barcod::kCode128, "M\xE9", {}},
             Case{"empty Code 39", Barcod::kCode39, "", {}},
             Case{"empty Code 128", Barcod::kCode128, "", {}},
             Case{"longer than Code 39 allows", Barcod::kCode39, std::string(200, '7'), {}},
             Case{"unknown symbology", 9, "M1234", {}},
             Case{"zero width", Barcod::kCode128, "M1234", {.width = 0}},
             Case{"negative width", Barcod::kCode39, "M1234", {.width = -5}},
             Case{"zero height", Barcod::kCode128, "M1234", {.height = 0}},
             Case{"width not a number", Barcod::kCode128, "M1234", {.width = nan}},
             Case{"infinite height", Barcod::kCode39, "M1234", {.height = inf}},
             Case{"x not a number", Barcod::kCode128, "M1234", {.x = nan}},
         }) {
        const Drawn d = DrawCode(c.symbology, c.text, c.box);
        EXPECT_TRUE(d.bars.empty()) << c.why;
        EXPECT_EQ(d.readable, c.text) << c.why;
    }
}

TEST(Barcode, HumanReadableFollowsTheLastDraw) {
    RecordingSurface surface(4.8);
    Barcod code;
    code.Width = 460;
    code.Height = 80;
    code.Text = "M1234";
    code.Draw(surface);
    code.Text = "m1";
    code.Draw(surface);
    EXPECT_EQ(code.HumanReadable(), "m1");
}

}  // namespace
}  // namespace vt

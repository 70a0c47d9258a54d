#include "platform/recording_surface.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Kind = RecordedOp::Kind;

TEST(RecordingSurface, PrintRecordsThePositionAndStateThenMovesOneLineDown) {
    RecordingSurface surface;
    surface.SetFontName("Liberation Serif");
    surface.SetFontSize(10);
    surface.SetFontBold(true);
    surface.SetFontTransparent(false);
    surface.SetCurrentX(500);
    surface.SetCurrentY(1000);
    surface.Print("10am", CodePage::Cp437);

    ASSERT_EQ(surface.ops.size(), 1u);
    const RecordedOp& op = surface.ops[0];
    EXPECT_EQ(op.kind, Kind::Text);
    EXPECT_EQ(op.x1, 500);
    EXPECT_EQ(op.y1, 1000);
    EXPECT_EQ(op.text, "10am");
    EXPECT_EQ(op.codePage, CodePage::Cp437);
    EXPECT_EQ(op.fontName, "Liberation Serif");
    EXPECT_EQ(op.fontSize, 10);
    EXPECT_TRUE(op.fontBold);
    EXPECT_FALSE(op.fontTransparent);
    // 10 points x 20 twips x 1.2 line spacing = 240 twips; the line starts at the left edge.
    EXPECT_EQ(surface.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(surface.CurrentY(), 1240);
}

TEST(RecordingSurface, LinesBoxesPicturesAndRectanglesKeepTheirCoordinates) {
    RecordingSurface surface(4.8);
    surface.SetDrawWidth(3);
    surface.Line(1, 2, 3, 4);
    surface.Line(10, 20, 30, 40, true);
    surface.PaintPicture(Picture{nullptr, "/pics/a.jpg"}, 100, 200, 300, 400);
    surface.FillDeviceRect(5, 6, 7, 8);

    ASSERT_EQ(surface.ops.size(), 4u);
    EXPECT_EQ(surface.ops[0].kind, Kind::Line);
    EXPECT_EQ(surface.ops[0].drawWidth, 3);
    EXPECT_EQ(surface.ops[1].kind, Kind::Box);
    EXPECT_EQ(surface.ops[1].x2, 30);
    EXPECT_EQ(surface.ops[1].y2, 40);
    EXPECT_EQ(surface.ops[2].kind, Kind::Picture);
    EXPECT_EQ(surface.ops[2].text, "/pics/a.jpg");
    EXPECT_EQ(surface.ops[2].x2, 300);  // width
    EXPECT_EQ(surface.ops[3].kind, Kind::FillDeviceRect);
    EXPECT_EQ(surface.ops[3].y2, 8);
    EXPECT_EQ(surface.TwipsPerDeviceUnit(), 4.8);
}

TEST(RecordingSurface, ClsAndEndDocAreRecorded) {
    RecordingSurface surface;
    surface.SetCurrentX(50);
    surface.SetCurrentY(60);
    surface.Print("a");
    surface.EndDoc();
    surface.Print("b");
    surface.EndDoc();
    surface.Cls();
    EXPECT_EQ(surface.Documents(), 2);
    EXPECT_EQ(surface.Texts(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(surface.ops.back().kind, Kind::Cls);
    // Clearing also brings the print position back to the corner.
    EXPECT_EQ(surface.CurrentX(), 0);
    EXPECT_EQ(surface.CurrentY(), 0);
}

}  // namespace
}  // namespace vt

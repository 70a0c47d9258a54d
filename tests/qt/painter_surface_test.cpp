#include "platform/qt/painter_surface.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <optional>

#include "platform/qt/font_names.h"
#include "platform/qt/image_page.h"

namespace vt {
namespace {

// The preview box: 12,015 x 1,935 twips at 15 twips a pixel.
constexpr int kPreviewWidthPx = 801;
constexpr int kPreviewHeightPx = 129;

bool Dark(QRgb pixel) {
    return qGray(pixel) < 96;
}

// The bounding box of the dark pixels; nullopt when there are none.
std::optional<QRect> DarkArea(const QImage& image) {
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Dark(image.pixel(x, y))) area |= QRect(x, y, 1, 1);
        }
    }
    if (area.isNull()) return std::nullopt;
    return area;
}

class PreviewSurface : public testing::Test {
  protected:
    ImagePage page{QSize(kPreviewWidthPx, kPreviewHeightPx)};
    PainterSurface surface{page};
};

// Nothing crosses the clip: a line and a text that run past it stop at its edge, and after
// NoClip the whole page is drawn on again.
TEST_F(PreviewSurface, DrawingStopsAtTheClip) {
    surface.SetClip(1500, 0, 1500, 1935);  // pixels 100 to 200
    surface.Line(0, 300, 12015, 300);
    surface.SetFontSize(9);
    surface.SetCurrentX(1650);
    surface.SetCurrentY(600);
    const double width = surface.Print("HHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH");
    EXPECT_GT(1650 + width, 3000) << "the text's own width is told, not the part drawn";
    auto area = DarkArea(page.Image());
    ASSERT_TRUE(area);
    EXPECT_GE(area->left(), 100);
    EXPECT_LE(area->right(), 200);
    surface.NoClip();
    surface.Line(0, 1200, 12015, 1200);
    area = DarkArea(page.Image());
    EXPECT_EQ(area->left(), 0);
}

TEST_F(PreviewSurface, PageAndDeviceUnitsFollowTheImage) {
    EXPECT_DOUBLE_EQ(surface.TwipsPerDeviceUnit(), 15.0);
    EXPECT_DOUBLE_EQ(surface.Width(), 12015.0);
    EXPECT_DOUBLE_EQ(surface.Height(), 1935.0);
}

TEST_F(PreviewSurface, TextCellStartsAtTheCurrentPosition) {
    surface.SetFontName("Arial");
    surface.SetFontSize(9);
    surface.SetCurrentX(1500);  // 100 px
    surface.SetCurrentY(300);   // 20 px
    surface.Print("HHHH");
    const auto area = DarkArea(page.Image());
    ASSERT_TRUE(area);
    // Capital H starts at the cell's left edge and its top lies a little below the cell's
    // top (the internal leading above the capitals): within a few pixels, not a baseline away.
    EXPECT_NEAR(area->left(), 100, 2);
    EXPECT_GE(area->top(), 20);
    EXPECT_LE(area->top(), 24);
    // After Print the position is at the start of the next line.
    EXPECT_DOUBLE_EQ(surface.CurrentX(), 0);
    EXPECT_GT(surface.CurrentY(), 300 + 150);
    EXPECT_LT(surface.CurrentY(), 300 + 260);
}

TEST_F(PreviewSurface, FontIsScaledOnceNotTwice) {
    surface.SetFontName("Arial");
    surface.SetFontSize(9);
    surface.SetCurrentX(150);
    surface.SetCurrentY(150);
    surface.Print("H");
    const auto area = DarkArea(page.Image());
    ASSERT_TRUE(area);
    // A 9-point font is 180 twips (12 px) from ascent to descent; a capital H of Liberation
    // Sans is 0.73 of that, about 9 px. Scaling twice by the device would make it far larger.
    EXPECT_GE(area->height(), 7);
    EXPECT_LE(area->height(), 11);
    const double lineTwips = surface.CurrentY() - 150;
    EXPECT_NEAR(lineTwips, 9 * 20 * 1.15, 25);
}

TEST_F(PreviewSurface, BoxOutlineLandsOnItsTwips) {
    surface.Line(300, 150, 1500, 750, true);  // 20,10 to 100,50 px
    const QImage& image = page.Image();
    const auto area = DarkArea(image);
    ASSERT_TRUE(area);
    EXPECT_NEAR(area->left(), 20, 1);
    EXPECT_NEAR(area->top(), 10, 1);
    EXPECT_NEAR(area->right(), 100, 1);
    EXPECT_NEAR(area->bottom(), 50, 1);
    EXPECT_FALSE(Dark(image.pixel(60, 30))) << "an outline, not a filled box";
}

TEST_F(PreviewSurface, DrawWidthCountsDevicePixels) {
    surface.SetDrawWidth(5);
    surface.Line(150, 750, 1500, 750);  // a horizontal line at y = 50 px, 5 px thick
    const QImage& image = page.Image();
    int thickness = 0;
    for (int y = 40; y < 60; ++y) thickness += Dark(image.pixel(50, y)) ? 1 : 0;
    EXPECT_EQ(thickness, 5);
}

TEST_F(PreviewSurface, OpaqueTextPaintsWhiteUnderItsLetters) {
    surface.FillDeviceRect(0, 0, 400, 100);
    surface.SetFontTransparent(false);
    surface.SetCurrentX(1500);
    surface.SetCurrentY(300);
    surface.Print("l l l");
    const QImage& image = page.Image();
    // Between the letters, inside their box, the black fill has been painted over.
    const double baseline = (300 + QFontMetricsF(surface.CurrentFont()).ascent()) / 15;
    int white = 0;
    for (int x = 100; x < 115; ++x) white += qGray(image.pixel(x, int(baseline) - 3)) > 200 ? 1 : 0;
    EXPECT_GT(white, 0);
    EXPECT_TRUE(Dark(image.pixel(300, 90))) << "away from the text the fill stays";
}

TEST_F(PreviewSurface, OpaqueLinesAtLabelPitchKeepTheDescendersAbove) {
    // Label lines stand 160 twips apart with a 9-point font whose cell is taller than that.
    surface.SetFontTransparent(false);
    const auto descenderRows = [&] {
        const QFontMetricsF metrics(surface.CurrentFont());
        const int from = int((300 + metrics.ascent()) / 15) + 1;
        // Rows of the descenders that lie above the next line's capital letters.
        const int to = int((460 + metrics.ascent() - metrics.capHeight()) / 15) - 1;
        int dark = 0;
        for (int y = from; y <= to; ++y) {
            for (int x = 90; x < 140; ++x) dark += Dark(page.Image().pixel(x, y)) ? 1 : 0;
        }
        return dark;
    };
    surface.SetCurrentX(1400);
    surface.SetCurrentY(300);
    surface.Print("gjyp gjyp");
    const int alone = descenderRows();
    ASSERT_GT(alone, 0);
    surface.SetCurrentX(1400);
    surface.SetCurrentY(460);
    surface.Print("ABCD ABCD");
    EXPECT_EQ(descenderRows(), alone);
}

TEST_F(PreviewSurface, TransparentTextLeavesTheFill) {
    surface.FillDeviceRect(0, 0, 400, 100);
    surface.SetCurrentX(1500);
    surface.SetCurrentY(300);
    surface.Print("i");
    const QImage& image = page.Image();
    for (int x = 100; x < 104; ++x) EXPECT_TRUE(Dark(image.pixel(x, 23)));
}

TEST_F(PreviewSurface, ClsWhitensTheImageAndHomesThePosition) {
    surface.FillDeviceRect(10, 10, 20, 20);
    surface.SetCurrentX(500);
    surface.Cls();
    EXPECT_FALSE(DarkArea(page.Image()));
    EXPECT_DOUBLE_EQ(surface.CurrentX(), 0);
}

TEST_F(PreviewSurface, FillDeviceRectIsInPixels) {
    surface.FillDeviceRect(81, 50, 10, 30);
    const auto area = DarkArea(page.Image());
    ASSERT_TRUE(area);
    EXPECT_EQ(*area, QRect(81, 50, 10, 30));
}

TEST(FontNames, SiteFontsMapToInstalledTwins) {
    struct Case {
        const char* site;
        const char* installed;
    };
    // The Liberation fonts share the metrics of the Windows fonts of the label layout; the
    // narrow label fonts and "MonoG" (box drawing characters) have no twin, so they take the
    // narrow sans and DejaVu Sans Mono.
    const Case cases[] = {
        {"Times New Roman", "Liberation Serif"},
        {"Arial", "Liberation Sans"},
        {"arial narrow", "Liberation Sans Narrow"},
        {"MS Sans Serif", "Liberation Sans"},
        {"MonoG", "DejaVu Sans Mono"},
        {"CB1", "Liberation Sans Narrow"},
        {"CB8", "Liberation Sans Narrow"},
        {"CB10", "Liberation Sans Narrow"},
        {"DejaVu Serif", "DejaVu Serif"},
    };
    for (const Case& c : cases) {
        const QString family = InstalledFontFamily(c.site);
        EXPECT_EQ(family.toStdString(), c.installed) << c.site;
        EXPECT_EQ(QFontInfo(QFont(family)).family().toStdString(), c.installed)
            << c.site << ": the font is not installed";
    }
}

}  // namespace
}  // namespace vt

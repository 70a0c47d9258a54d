// Where DrawLabel puts each part of a label, in twips, compared with the label layout tables.
#include <gtest/gtest.h>

#include "label_fixture.h"

namespace vt::test {
namespace {

// L = 4000, T = 2000, W = 3600, H = 1430 in every test.
constexpr double L = 4000, T = 2000;

// A picture of one pixel, for the box to show.
Picture SomePicture() {
    struct Pixel : PictureData {
        int WidthPx() const override { return 1; }
        int HeightPx() const override { return 1; }
    };
    return {std::make_shared<Pixel>(), "pixel"};
}

TEST(LabelLayout, FrameAndPictureBox) {
    LabelFixture f;
    f.Draw();
    const auto boxes = f.Ops(RecordedOp::Kind::Box);
    ASSERT_EQ(boxes.size(), 2u);
    // The frame is 220 twips shorter than the row pitch, leaving a gap between rows.
    EXPECT_EQ(std::vector<double>({boxes[0].x1, boxes[0].y1, boxes[0].x2, boxes[0].y2}),
              std::vector<double>({L - 10, T - 10, L + 3600, T + 1430 - 220}));
    EXPECT_EQ(std::vector<double>({boxes[1].x1, boxes[1].y1, boxes[1].x2, boxes[1].y2}),
              std::vector<double>({L - 10, T - 10, L + 1210, T + 1210}));
    EXPECT_FALSE(boxes[0].fontTransparent);  // text cells paint their background
}

TEST(LabelLayout, SixLinesNormalAndBold) {
    struct Case {
        int bold;
        std::vector<double> y;
        double size;
    };
    for (const Case& c : {Case{0, {-30, 150, 310, 470, 630, 790}, 9},
                          Case{1, {-30, 170, 350, 520, 690, 870}, 11}}) {
        LabelFixture f;
        f.style.bold = c.bold == 1;
        f.Draw();
        const auto texts = f.Ops(RecordedOp::Kind::Text);
        ASSERT_GE(texts.size(), 6u);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(texts[i].x1, L + 1300) << i;
            EXPECT_EQ(texts[i].y1, T + c.y[i]) << "line " << i + 1 << " bold " << c.bold;
            EXPECT_EQ(texts[i].fontSize, c.size);
            EXPECT_EQ(texts[i].fontBold, c.bold == 1);
            EXPECT_EQ(texts[i].text, f.content.lines[i]);
        }
    }
}

TEST(LabelLayout, NoPhotoMovesTheLinesLeftAndDrawsNoPictureBox) {
    LabelFixture f;
    f.style.pictureBox = false;
    f.content.expiration = kSmithsExpiration;
    f.content.picture = SomePicture();
    f.content.screen = 3;
    f.Draw();
    EXPECT_EQ(f.Ops(RecordedOp::Kind::Box).size(), 1u);  // the frame only
    EXPECT_TRUE(f.Ops(RecordedOp::Kind::Picture).empty());
    EXPECT_TRUE(f.Ops(RecordedOp::Kind::Line).empty()) << "no screen";
    EXPECT_EQ(f.Text("E101A Smith, John")->x1, L + 100);
    // The expiration line keeps its place.
    EXPECT_EQ(f.Text("expires on  thu  12-10-26")->x1, L + 1300);
}

TEST(LabelLayout, TrayLabelsPrintTheirLinesLower) {
    LabelFixture f;
    f.style.tray = true;
    f.content.lines[0] = " [Lunch] ";
    f.content.barcode = "T1234";
    f.content.expiration = kSmithsExpiration;
    f.Draw();
    EXPECT_EQ(f.Ops(RecordedOp::Kind::Box)[0].y1, T - 10);  // frame at the unshifted top
    EXPECT_EQ(f.Ops(RecordedOp::Kind::Box)[1].y1, T - 10);  // and the picture box
    EXPECT_EQ(f.Text(" [Lunch] ")->y1, T + 150 - 30);
    EXPECT_EQ(f.Text("E101A Smith, John")->y1, T + 150 + 150);
    EXPECT_EQ(f.Text("Expires:")->y1, T + 150 + 780);
    EXPECT_EQ(f.surface.ops.back().kind, RecordedOp::Kind::Text);
    const auto bars = f.Ops(RecordedOp::Kind::FillDeviceRect);
    ASSERT_FALSE(bars.empty());
    EXPECT_DOUBLE_EQ(bars.front().y1, (T + 150) / 4.8f + 170);
}

TEST(LabelLayout, BarcodeOnPaperAtTheXYFactorAndShifts) {
    for (float factor : {4.8f, 6.0f}) {
        LabelFixture f;
        f.content.barcode = "M1234";
        f.style.bars.xyFactor = factor;
        // No text where the bars go (they would make way for it).
        f.content.lines[2] = f.content.lines[3] = "";
        f.Draw();
        const Barcod& code = f.drawn.bars;
        EXPECT_EQ(code.Text, "M1234");
        EXPECT_DOUBLE_EQ(code.X, L / factor + 290);
        EXPECT_DOUBLE_EQ(code.Y, T / factor + 170);
        EXPECT_EQ(code.Width, 460);
        EXPECT_EQ(code.Height, 80);
        const auto bars = f.Ops(RecordedOp::Kind::FillDeviceRect);
        ASSERT_FALSE(bars.empty());
        EXPECT_DOUBLE_EQ(bars.front().x1, code.X);
        EXPECT_NEAR(bars.back().x1 + bars.back().x2, code.X + 460, 1e-6);
        // The readable text in 8-point bold under the bars, then 9-point normal again.
        const RecordedOp* readable = f.Text("M1234");
        ASSERT_NE(readable, nullptr);
        EXPECT_EQ(readable->x1, L);
        EXPECT_EQ(readable->y1, T + 1050);
        EXPECT_EQ(readable->fontSize, 8);
        EXPECT_TRUE(readable->fontBold);
        EXPECT_EQ(f.surface.FontSize(), 9);
        EXPECT_FALSE(f.surface.FontBold());
    }
}

// Where the settings put the bars across a text line (the last nourishment line, with the
// usual settings), they begin below it, as high as set down to the cell's foot; they end before
// an expiration text beside them. The date moves left where its place is too near the cell's
// edge, so that it prints whole on its own label.
TEST(LabelLayout, TheBarsMakeWayForTheTextsAndTheDatePrintsWhole) {
    for (const double nextColumn : {0.0, L + 3650}) {
        LabelFixture f;
        f.content.barcode = "M1234";
        f.content.expiration = kSmithsExpiration;
        f.content.lines[5] = "Milk 2% 8 oz carton";
        f.style.sheet.columnX = {L, nextColumn, 0, 0};
        f.Draw();
        const double dot = 4.8;
        const double cellRight = (nextColumn == 0 ? f.surface.Width() : nextColumn) - 10 - dot;
        const RecordedOp* milk = f.Text("Milk 2% 8 oz carton");
        const RecordedOp* date = f.Text("12-10-26");
        ASSERT_TRUE(milk && date);
        const double dateWidth = 8 * 9 * 20 * kRecordedCharacterEms;
        EXPECT_EQ(date->x1, std::min(L + 3600 - 420, cellRight - dateWidth)) << nextColumn;
        const auto bars = f.Ops(RecordedOp::Kind::FillDeviceRect);
        ASSERT_FALSE(bars.empty());
        for (const RecordedOp& bar : bars) {
            EXPECT_GE(bar.y1 * dot, milk->y1 + 9 * 20 * 1.2);
            EXPECT_NEAR((bar.y1 + bar.y2) * dot, T + 1430 - 30, 1e-6) << "down to the cell's foot";
            EXPECT_LT((bar.x1 + bar.x2) * dot, date->x1);
        }
        EXPECT_DOUBLE_EQ(bars.front().x1, L / 4.8f + 290) << "the bars begin where they are set";
    }
}

TEST(LabelLayout, BarcodeInThePreviewInPixelsInsideItsLabel) {
    LabelFixture f;
    RecordingSurface preview(15);
    preview.SetFontSize(9);
    f.style.preview = true;
    f.content.barcode = "M1234";
    const Barcod code = DrawLabel(preview, f.place, f.content, f.style).bars;
    EXPECT_DOUBLE_EQ(code.X, L / 15 + 81);
    EXPECT_DOUBLE_EQ(code.Y, T / 15 + 50);
    EXPECT_EQ(code.Height, 30);
    // 1300 / 3 pixels would run into the next label: the width stops at this label's edge.
    EXPECT_DOUBLE_EQ(code.Width, (L + 3600) / 15 - code.X);
    // The frame is drawn again over the bars.
    EXPECT_EQ(preview.ops.back().kind, RecordedOp::Kind::Text);
    std::size_t frames = 0;
    for (const RecordedOp& op : preview.ops) {
        if (op.kind == RecordedOp::Kind::Box && op.x2 == L + 3600) ++frames;
    }
    EXPECT_EQ(frames, 2u);
}

TEST(LabelLayout, BoldFallsBackToNormalAfterTheBarcode) {
    LabelFixture f;
    f.style.bold = true;
    f.content.barcode = "M1234";
    f.content.expiration = kSmithsExpiration;
    f.Draw();
    const RecordedOp* expires = f.Text("Expires:");
    ASSERT_NE(expires, nullptr);
    EXPECT_EQ(expires->fontSize, 9);
    EXPECT_FALSE(expires->fontBold);
}

TEST(LabelLayout, ExpirationLineWithAndWithoutBarcode) {
    LabelFixture f;
    f.content.expiration = kSmithsExpiration;
    f.Draw();
    const RecordedOp* line = f.Text("expires on  thu  12-10-26");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->x1, L + 1300);
    EXPECT_EQ(line->y1, T + 950);

    LabelFixture withCode;
    withCode.content.expiration = kSmithsExpiration;
    withCode.content.barcode = "M1234";
    withCode.Draw();
    // Inside its label, 400 and 420 twips from the right edge.
    EXPECT_EQ(withCode.Text("Expires:")->x1, L + 3600 - 400);
    EXPECT_EQ(withCode.Text("Expires:")->y1, T + 780);
    EXPECT_EQ(withCode.Text("12-10-26")->x1, L + 3600 - 420);
    EXPECT_EQ(withCode.Text("12-10-26")->y1, T + 950);

    LabelFixture none;
    none.Draw();
    EXPECT_EQ(none.Text("Expires:"), nullptr);
    EXPECT_EQ(none.Ops(RecordedOp::Kind::Text).size(), 6u);
}

}  // namespace
}  // namespace vt::test

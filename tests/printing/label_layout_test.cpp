// Where DrawMenu puts each part of a label, in twips, compared with the label layout tables.
#include <gtest/gtest.h>

#include "label_fixture.h"

namespace vt::test {
namespace {

// L = 4000, T = 2000, W = 3600, H = 1430 in every test.
constexpr double L = 4000, T = 2000;

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
        f.app->form1.Check11.Value = c.bold;
        f.Draw();
        const auto texts = f.Ops(RecordedOp::Kind::Text);
        ASSERT_GE(texts.size(), 6u);
        EXPECT_EQ(texts[0].text, "EAST W [10am] Tue 12-08-26");
        EXPECT_EQ(texts[1].text, "E101A Smith, John");
        EXPECT_EQ(texts[3].text, "Orange juice 4 oz");
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(texts[i].x1, L + 1300) << i;
            EXPECT_EQ(texts[i].y1, T + c.y[i]) << "line " << i + 1 << " bold " << c.bold;
            EXPECT_EQ(texts[i].fontSize, c.size);
            EXPECT_EQ(texts[i].fontBold, c.bold == 1);
        }
        EXPECT_EQ(f.app->form1.Label10.Caption, "E101A Smith, John");
    }
}

TEST(LabelLayout, NoPhotoMovesTheLinesLeftAndDrawsNoPictureBox) {
    LabelFixture f;
    f.app->st.NoPhoto = 1;
    f.app->st.DaysToExpire = 2;
    f.WritePicture(".gif", "GIF");
    f.Draw();
    EXPECT_EQ(f.Ops(RecordedOp::Kind::Box).size(), 1u);  // the frame only
    EXPECT_TRUE(f.Ops(RecordedOp::Kind::Picture).empty());
    EXPECT_EQ(f.Text("E101A Smith, John")->x1, L + 100);
    // The expiration line keeps its place.
    EXPECT_EQ(f.Text("expires on  thu  12-10-26")->x1, L + 1300);
}

TEST(LabelLayout, TrayLabelsPrintTheMealTagLower) {
    const char* tags[] = {" [Breakfast] ", " [Lunch] ", " [Supper]"};
    for (Int16 meal = 1; meal <= 3; ++meal) {
        LabelFixture f;
        f.app->st.PeriodIndex = 5;
        f.app->st.MealIndex = meal;
        f.app->st.BarcodeOn = 1;
        f.app->st.DaysToExpire = 1;
        f.Draw();
        EXPECT_EQ(f.Ops(RecordedOp::Kind::Box)[0].y1, T - 10);  // frame at the unshifted top
        const RecordedOp* tag = f.Text(tags[meal - 1]);
        ASSERT_NE(tag, nullptr) << meal;
        EXPECT_EQ(tag->y1, T + 150 - 30);
        EXPECT_EQ(f.Text("E101A Smith, John")->y1, T + 150 + 150);
        EXPECT_EQ(f.Text("Expires:")->y1, T + 150 + 780);
        EXPECT_EQ(f.surface.ops.back().kind, RecordedOp::Kind::Text);
        const auto bars = f.Ops(RecordedOp::Kind::FillDeviceRect);
        ASSERT_FALSE(bars.empty());
        EXPECT_DOUBLE_EQ(bars.front().y1, (T + 150) / 4.8f + 170);
    }
}

// The six user lines replace every line, and nothing of the resident in the slot the run walks
// is on the label: its picture box stays empty, whatever pictures and screens the resident has.
TEST(LabelLayout, UserDefinedLabelsReplaceEveryLineAndCarryNoPicture) {
    LabelFixture f;
    f.app->st.UserLabelMode = 1;
    f.WritePicture(".gif", "GIF");
    f.WritePicture(".flt", "5 ");
    for (long i = 1; i <= 6; ++i) f.app->st.UserLines(i) = "user line " + std::to_string(i);
    f.Draw();
    const auto texts = f.Ops(RecordedOp::Kind::Text);
    ASSERT_EQ(texts.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(texts[i].text, "user line " + std::to_string(i + 1));
    EXPECT_TRUE(f.Ops(RecordedOp::Kind::Picture).empty());
    EXPECT_TRUE(f.Ops(RecordedOp::Kind::Line).empty()) << "no privacy screen";
    EXPECT_EQ(f.Ops(RecordedOp::Kind::Box).size(), 2u) << "the frame and the empty picture box";
}

TEST(LabelLayout, BarcodeOnPaperAtTheXYFactorAndShifts) {
    for (float factor : {4.8f, 6.0f}) {
        LabelFixture f;
        f.app->st.BarcodeOn = 1;
        f.app->st.BarcodeXYFactor = factor;
        // No text where the bars go (they would make way for it).
        f.app->st.DietLine = f.app->st.NourishLine1 = "";
        f.Draw();
        const Barcod& code = f.app->form1.Barcod1;
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
        f.app->st.BarcodeOn = 1;
        f.app->st.DaysToExpire = 2;
        f.app->st.NourishLine3 = "Milk 2% 8 oz carton";
        f.app->st.ColumnX(1) = static_cast<Int32>(L);
        f.app->st.ColumnX(2) = static_cast<Int32>(nextColumn);
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
    f.app->st.PrintTarget = &preview;
    f.app->st.PreviewMode = 1;
    f.app->st.BarcodeOn = 1;
    f.Draw();
    const Barcod& code = f.app->form1.Barcod1;
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
    f.app->form1.Check11.Value = 1;
    f.app->st.BarcodeOn = 1;
    f.app->st.DaysToExpire = 2;
    f.Draw();
    const RecordedOp* expires = f.Text("Expires:");
    ASSERT_NE(expires, nullptr);
    EXPECT_EQ(expires->fontSize, 9);
    EXPECT_FALSE(expires->fontBold);
}

TEST(LabelLayout, ExpirationLineWithAndWithoutBarcode) {
    LabelFixture f;
    f.app->st.DaysToExpire = 2;
    f.Draw();
    const RecordedOp* line = f.Text("expires on  thu  12-10-26");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->x1, L + 1300);
    EXPECT_EQ(line->y1, T + 950);

    LabelFixture withCode;
    withCode.app->st.DaysToExpire = 2;
    withCode.app->st.BarcodeOn = 1;
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

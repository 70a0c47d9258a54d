// The label the print run is at, built from the state: its texts, picture box, bars and
// expiration, the style its settings give, and what DrawMenu leaves for the windows.
#include <gtest/gtest.h>

#include "label_fixture.h"

namespace vt::test {
namespace {

TEST(LabelFromState, TheTitleLineNamesUnitPeriodAndDayOrTheMeal) {
    struct Case {
        Int16 period, meal;
        const char* title;
        const char* reported;  // the period a cut line is reported under
    };
    for (const Case& c :
         {Case{1, 1, "EAST W [10am] Tue 12-08-26", "10am"}, Case{5, 1, " [Breakfast] ", "tray"},
          Case{5, 2, " [Lunch] ", "tray"}, Case{5, 3, " [Supper]", "tray"}}) {
        StateLabelFixture f;
        f.app->st.PeriodIndex = c.period;
        f.app->st.MealIndex = c.meal;
        const LabelContent content = LabelContentOf(*f.app, RunRequestOf(f.app->st));
        EXPECT_EQ(content.lines[0], c.title);
        EXPECT_EQ(content.period, c.reported);
        EXPECT_EQ(LabelStyleOf(*f.app, RunRequestOf(f.app->st)).tray, c.period == 5);
        EXPECT_EQ(std::vector<std::string>(content.lines.begin() + 1, content.lines.end()),
                  std::vector<std::string>({"E101A Smith, John", "REGULAR", "Orange juice 4 oz",
                                            std::string(29, ' '), std::string(29, ' ')}));
        EXPECT_EQ(content.residentId, "1234");
        EXPECT_EQ(content.date, "12-08-26");
    }
}

// The six user lines replace every line, and nothing of the resident in the slot the run walks
// is on the label: no picture, whatever pictures and screens the resident has, and no key.
TEST(LabelFromState, UserDefinedLabelsCarryTheirLinesAndNothingOfTheResident) {
    StateLabelFixture f;
    f.app->st.UserLabelMode = 1;
    f.WritePicture(".gif", "GIF");
    f.WritePicture(".flt", "5 ");
    for (long i = 1; i <= 6; ++i) f.app->st.UserLines(i) = "user line " + std::to_string(i);
    const LabelContent content = LabelContentOf(*f.app, RunRequestOf(f.app->st));
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(content.lines[i], "user line " + std::to_string(i + 1));
    EXPECT_FALSE(content.picture);
    EXPECT_EQ(content.screen, 0);
    EXPECT_EQ(content.residentId, "");
}

TEST(LabelFromState, TheSettingsGiveTheStyleBarsAndExpiration) {
    StateLabelFixture f;
    AppState& st = f.app->st;
    const LabelContent plain = LabelContentOf(*f.app, RunRequestOf(f.app->st));
    EXPECT_FALSE(plain.barcode);
    EXPECT_FALSE(plain.expiration);
    const LabelStyle usual = LabelStyleOf(*f.app, RunRequestOf(f.app->st));
    EXPECT_TRUE(usual.frame && usual.pictureBox);
    EXPECT_FALSE(usual.bold || usual.preview);

    st.BarcodeOn = 1;
    st.DaysToExpire = 2;
    st.NoFrame = 1;
    st.NoPhoto = 1;
    st.PreviewMode = 1;
    st.ColumnX(2) = 4300;
    f.app->form1.Check11.Value = 1;
    f.WritePicture(".gif", "GIF");  // not looked for without pictures
    const LabelContent content = LabelContentOf(*f.app, RunRequestOf(f.app->st));
    EXPECT_EQ(content.barcode, "M1234");
    ASSERT_TRUE(content.expiration);
    EXPECT_EQ(content.expiration->dayName, "Thu");
    EXPECT_EQ(content.expiration->date, "12-10-26");
    EXPECT_FALSE(content.picture);
    const LabelStyle style = LabelStyleOf(*f.app, RunRequestOf(f.app->st));
    EXPECT_FALSE(style.frame || style.pictureBox);
    EXPECT_TRUE(style.bold && style.preview);
    EXPECT_EQ(style.sheet.width, 3600);
    EXPECT_EQ(style.sheet.rowPitch, 1430);
    EXPECT_EQ(style.sheet.columnX[1], 4300);
    EXPECT_EQ(style.bars.width, 460);
    EXPECT_EQ(style.bars.downShift, 170);
    EXPECT_FLOAT_EQ(style.bars.xyFactor, 4.8f);
    EXPECT_EQ(style.bars.symbology, Barcod::kCode128);
}

TEST(LabelFromState, DrawMenuLeavesTheBarsAndTheNameForTheWindows) {
    StateLabelFixture f;
    f.app->st.BarcodeOn = 1;
    f.Draw();
    EXPECT_EQ(f.app->form1.Label10.Caption, "E101A Smith, John");
    const Barcod& code = f.app->form1.Barcod1;
    EXPECT_EQ(code.Text, "M1234");
    EXPECT_DOUBLE_EQ(code.X, 4000.0 / 4.8f + 290);
    EXPECT_EQ(code.HumanReadable(), "M1234");
    EXPECT_NE(f.Text("M1234"), nullptr);
}

}  // namespace
}  // namespace vt::test

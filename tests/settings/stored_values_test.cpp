// What GetSet makes of the values it finds in the settings file: defaults for what is out of
// range or damaged, the start date check, the week columns, the period names.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/label_settings.h"
#include "settings_fixture.h"
#include "site/label_types.h"

namespace vt::test {
namespace {

TEST(StoredValues, TheDesignCaptionIsStoredCutAndPrintedWithoutItsMarker) {
    StationFixture f;
    SaveSet(*f.app);  // the design caption "&10am" is stored as "&10a"
    EXPECT_EQ(Cols(SettingsRecord(f, 2), 56, 59), "&10a");
    auto app = f.NewApp();
    GetSet(*app);
    EXPECT_EQ(app->form1.Check1.Caption, "&10a");
    EXPECT_EQ(app->st.PeriodNames(1), "10a");
    EXPECT_EQ(app->form1.Check4.Caption, "HS  ");
    EXPECT_EQ(app->st.PeriodNames(4), "HS");
}

TEST(StoredValues, PeriodNamesThatAreNotTextGetTheDefaults) {
    StationFixture f;
    std::string r2(100, ' ');
    PutField(r2, 56, 4, std::string("\0abc", 4));  // a zero byte first
    PutField(r2, 60, 4, "\xE9t\xE9 ");             // first character above 127
    PutField(r2, 64, 4, "Noon");
    PutField(r2, 68, 4, "\x7FHS ");  // 127 still counts as text
    WriteSettings(f, "1 12-09-2026", r2);
    GetSet(*f.app);
    EXPECT_EQ(f.app->form1.Check1.Caption, "10am");
    EXPECT_EQ(f.app->st.PeriodNames(1), "10am");
    EXPECT_EQ(f.app->form1.Check2.Caption, "2pm ");
    EXPECT_EQ(f.app->st.PeriodNames(2), "2pm");
    EXPECT_EQ(f.app->st.PeriodNames(3), "Noon");
    EXPECT_EQ(f.app->form1.Check4.Caption, "\x7FHS ");
}

TEST(StoredValues, BarcodeFieldsOutOfRangeReadBackAsTheirDefaults) {
    struct Case {
        TextBox Form1::*box;
        const char* typed;
        std::size_t from, to;
        const char* stored;  // what the field holds after SaveSet
        const char* shown;   // what the box shows after GetSet
    };
    const Case cases[] = {
        {&Form1::Text15, "-5", 34, 36, "-5 ", "460"},  // stored with its sign, out of range
        {&Form1::Text15, "900", 34, 36, "900", "900"},
        {&Form1::Text15, "99", 34, 36, "99 ", "460"},
        {&Form1::Text19, "4.85", 49, 53, "4.85 ", "4.85 "},
        {&Form1::Text19, "0.01", 49, 53, ".01  ", "4.8"},  // below 0.05
        {&Form1::Text19, "0.05", 49, 53, ".05  ", ".05  "},
        {&Form1::Text20, "6", 54, 55, "6 ", "6 "},
        {&Form1::Text20, "24", 54, 55, "24", "3"},    // only types 1..23
        {&Form1::Text18, "9", 45, 48, "9   ", "80"},  // height from 10
        {&Form1::Text17, "9001", 41, 44, "9001", "170"},
        {&Form1::Text16, "12345", 37, 40, "    ", "290"},  // too wide: the new field stays blank
    };
    for (const Case& c : cases) {
        StationFixture f;
        (f.app->form1.*c.box).Text = c.typed;
        SaveSet(*f.app);
        EXPECT_EQ(Cols(SettingsRecord(f, 2), c.from, c.to), c.stored) << c.typed;
        auto app = f.NewApp();
        GetSet(*app);
        EXPECT_EQ((app->form1.*c.box).Text, c.shown) << c.typed;
    }
}

TEST(StoredValues, BarcodeStateFollowsTheBox) {
    struct Case {
        const char* typed15;
        const char* typed19;
        const char* typed20;
        Int32 width;
        float factor;
        Int16 type;
    };
    for (const Case& c :
         {Case{"-5", "4.85", "6", 460, 4.85f, 6}, Case{"460", "0.01", "24", 460, 4.8f, 3}}) {
        StationFixture f;
        f.app->form1.Text15.Text = c.typed15;
        f.app->form1.Text19.Text = c.typed19;
        f.app->form1.Text20.Text = c.typed20;
        SaveSet(*f.app);
        GetSet(*f.app);
        EXPECT_EQ(f.app->st.BarcodeWidth, c.width) << c.typed15;
        EXPECT_FLOAT_EQ(f.app->st.BarcodeXYFactor, c.factor) << c.typed19;
        EXPECT_EQ(f.app->st.BarcodeType, c.type) << c.typed20;
        EXPECT_EQ(f.app->form1.Barcod1.Symbology, c.type) << "6 is Code 128, 3 Code 39";
    }
}

TEST(StoredValues, FractionsStoredInWholeNumberFieldsRoundHalvesToEven) {
    // The state keeps whole numbers; a stored fraction is rounded the way every whole-number
    // conversion rounds, so that the state agrees with what the next SaveSet writes.
    std::string r2(100, ' ');
    PutField(r2, 37, 4, "12.7");  // left shift
    PutField(r2, 41, 4, "99.5");  // down shift: halfway, to the even 100
    PutField(r2, 45, 4, "10.5");  // height: halfway, to the even 10
    PutField(r2, 73, 2, ".7");    // days to expire
    StationFixture f;
    WriteSettings(f, "1 12-09-2026", r2);
    GetSet(*f.app);
    EXPECT_EQ(f.app->st.BarcodeLeftShift, 13);
    EXPECT_EQ(f.app->st.BarcodeDownShift, 100);
    EXPECT_EQ(f.app->st.BarcodeHeight, 10);
    EXPECT_EQ(f.app->st.DaysToExpire, 1);
    EXPECT_EQ(f.app->form1.Text9.Text, "1");
}

TEST(StoredValues, TheLastWeekColumnHoldingOneDecides) {
    struct Case {
        const char* columns;  // 95-99
        Int16 week;
        bool selected[5];
    };
    for (const Case& c : {Case{"00101", 5, {false, false, false, false, true}},
                          Case{"01000", 2, {false, true, false, false, false}},
                          Case{"00000", 1, {false, false, false, false, false}},
                          Case{"2 x9-", 1, {false, false, false, false, false}}}) {
        StationFixture f;
        std::string r1(100, ' ');
        PutField(r1, 1, 12, "1 12-09-2026");
        PutField(r1, 95, 5, c.columns);
        WriteSettings(f, r1, "");
        GetSet(*f.app);
        const Form1& w = f.app->form1;
        EXPECT_EQ(f.app->st.SnackWeek, c.week) << c.columns;
        const bool shown[] = {w.Option1.Value, w.Option2.Value, w.Option3.Value, w.Option4.Value,
                              w.Option5.Value};
        for (int k = 0; k < 5; ++k) EXPECT_EQ(shown[k], c.selected[k]) << c.columns << " " << k;
    }
}

TEST(StoredValues, StartDatesAreCheckedAndBadOnesBecomeToday) {
    struct Case {
        const char* stored;
        Date expected;
    };
    const Date today(2026, 12, 8);
    for (const Case& c : {
             Case{"02-29-2008", Date(2008, 2, 29)},  // a leap year
             Case{"02-29-2007", today},
             Case{"04-31-2008", today},  // April has 30 days
             Case{"13-01-2008", today},
             Case{"01-01-1999", today},               // before 2000
             Case{"02-29-2100", today},               // a century that is not a leap year
             Case{"02-29-2000", Date(2000, 2, 29)},   // a century that is one
             Case{"12/24/2026", Date(2026, 12, 24)},  // the separators do not matter
             Case{"1x-01-2008", today},
             Case{"          ", today},
         }) {
        StationFixture f;
        WriteSettings(f, std::string("1 ") + c.stored, "");
        GetSet(*f.app);
        EXPECT_EQ(f.app->st.LabelDate, c.expected) << c.stored;
        EXPECT_EQ(f.app->st.LabelDateText, c.expected.ShortText()) << c.stored;
        EXPECT_EQ(f.app->form1.wwDateTimeEdit1.Value, c.expected) << c.stored;
        EXPECT_EQ(f.app->form2.wwDateTimeEdit1.Value, c.expected) << c.stored;
    }
}

TEST(StoredValues, DamagedStatesAndNumbersGetTheirDefaults) {
    StationFixture f;
    std::string r1(100, ' '), r2(100, ' ');
    PutField(r1, 1, 12, "0 12-09-2026");  // label type 0 -> 1
    PutField(r1, 65, 1, "2");             // inkjet: only 1 is on
    PutField(r1, 88, 7,
             "7\xFF"
             "1-9 2x");
    PutField(r1, 100, 1, "x");
    PutField(r2, 31, 3, "291");
    PutField(r2, 72, 4, "9-7x");  // privacy 9 -> 0, days -7 -> 0, tray "x" -> 0
    WriteSettings(f, r1, r2);
    GetSet(*f.app);
    const AppState& st = f.app->st;
    const Form1& w = f.app->form1;
    EXPECT_EQ(st.LabelTypeNo, 1);
    EXPECT_EQ(st.InkjetMode, 0);
    // Check box states: "7" and a binary byte are no state, "1" is, "-" reads as 0, "9" is
    // none, " " is 0, "2" is grey.
    const int states[] = {w.Check1.Value, w.Check2.Value, w.Check3.Value, w.Check4.Value,
                          w.Check5.Value, w.Check6.Value, w.Check7.Value};
    const int expected[] = {0, 0, 1, 0, 0, 0, 2};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(states[k], expected[k]) << "Check" << k + 1;
    EXPECT_EQ(st.PeriodOn(3), 1);
    EXPECT_EQ(st.RoutineHS, 2);
    EXPECT_EQ(w.Check11.Value, 0);
    EXPECT_EQ(w.Check8.Value, 0);  // "2" is not on
    EXPECT_EQ(st.BarcodeOn, 0);    // "9"
    EXPECT_EQ(st.SnackMenuOn, 1);
    EXPECT_EQ(st.PrivacyLevel, 0);
    EXPECT_EQ(w.Text21.Text, "0");
    EXPECT_EQ(st.DaysToExpire, 0);
    EXPECT_EQ(w.Text9.Text, "");
    EXPECT_EQ(st.TrayLabelsOn, 0);
    EXPECT_EQ(st.SettingsLoading, 0);
    EXPECT_EQ(st.ListFilling, 0);
}

TEST(StoredValues, LabelTypeAboveTwentyFiveBecomesOneBeforeTheListIsFilled) {
    StationFixture f;
    WriteBlankNameList(f);
    site::LabelType first, second;
    first.geometry.height = 1500;
    second.geometry.height = 1700;
    site::WriteLabelTypes(f.tp.root(), f.layout, {first, second});
    for (const char* stored : {"30", "26", "99"}) {
        WriteSettings(f, std::string(stored) + "12-09-2026", "");
        auto app = f.NewApp();
        GetSet(*app);
        EXPECT_EQ(app->st.LabelTypeNo, 1) << stored;
        EXPECT_EQ(app->form1.Combo2.ListIndex, 0) << stored;
        EXPECT_EQ(app->form1.Text6.Text, "1500") << "the geometry of type 1, " << stored;
    }
    WriteSettings(f, "2 12-09-2026", "");
    auto app = f.NewApp();
    GetSet(*app);
    EXPECT_EQ(app->st.LabelTypeNo, 2);
    EXPECT_EQ(app->form1.Combo2.ListIndex, 1);
    EXPECT_EQ(app->st.LabelHeight, 1700);
}

TEST(StoredValues, MissingFileKeepsTheWindowsDesignValues) {
    StationFixture f;
    f.app->st.LabelTypeNo = 7;
    f.app->st.DaysToPrint = 4;
    GetSet(*f.app);
    EXPECT_EQ(f.app->st.LabelTypeNo, 1);
    EXPECT_EQ(f.app->st.DaysToPrint, 4);  // the state is not touched either
    EXPECT_EQ(f.app->form1.Text15.Text, "460");
    EXPECT_EQ(f.app->form1.Check1.Caption, "&10am");
    EXPECT_EQ(f.app->form1.Text5.Text, "400");            // the geometry is still loaded
    EXPECT_EQ(f.app->form1.Combo1.Text, "Office Laser");  // the system default
}

TEST(StoredValues, AFailureInsideGetSetKeepsWhatWasLoadedAndReleasesTheGuards) {
    StationFixture f;
    WriteSettings(f, "2 12-09-2026" + std::string(42, ' ') + "5 ", "");
    // The geometry file's name is taken by a folder: loading the label type fails.
    std::filesystem::create_directories(f.Host(GeometryPath(f)));
    App& app = *f.app;
    app.st.ListFilling = -1111;  // as start-up leaves it
    GetSet(app);
    EXPECT_EQ(app.st.DaysToPrint, 5);
    EXPECT_EQ(app.st.LabelTypeNo, 2);
    EXPECT_EQ(app.st.SettingsLoading, 0);
    EXPECT_EQ(app.st.ListFilling, 0);
    EXPECT_TRUE(f.tp.dialogs.asked.empty());
}

TEST(StoredValues, ASettingsPathThatIsAFolderEndsGetSetSilently) {
    StationFixture f;
    std::filesystem::create_directories(f.Host(SettingsPath(f)));
    App& app = *f.app;
    app.st.DaysToPrint = 4;
    GetSet(app);
    EXPECT_EQ(app.st.DaysToPrint, 4);
    EXPECT_EQ(app.st.SettingsLoading, 0);
    EXPECT_EQ(app.st.ListFilling, 0);
    EXPECT_TRUE(f.tp.dialogs.asked.empty());
}

}  // namespace
}  // namespace vt::test

// The label settings file: what SaveSet writes, what GetSet reads back, ranges and defaults.
#include "settings/label_settings.h"

#include <gtest/gtest.h>

#include "settings_fixture.h"

namespace vt::test {
namespace {

TEST(LabelSettings, NewStationStoresTheDesignValuesInTheDocumentedColumns) {
    StationFixture f;
    App& app = *f.app;
    app.form1.wwDateTimeEdit1.Value = Date(2026, 12, 9);
    app.st.LabelTypeNo = 1;
    SaveSet(app);

    const std::string bytes = f.Bytes(SettingsPath(f));
    ASSERT_EQ(bytes.size(), 200u);  // exactly two 100-byte records
    const std::string r1 = bytes.substr(0, 100);
    EXPECT_EQ(Cols(r1, 1, 2), "1 ");              // label type, left-justified
    EXPECT_EQ(Cols(r1, 3, 12), "12-09-2026");     // start date as the date edit shows it
    EXPECT_EQ(Cols(r1, 55, 56), "1 ");            // days (Text14 "1")
    EXPECT_EQ(Cols(r1, 57, 60), "1 2 ");          // units 1 to 2
    EXPECT_EQ(Cols(r1, 65, 65), "0");             // inkjet
    EXPECT_EQ(Cols(r1, 66, 71), "1  18 ");        // residents 1 to 18
    EXPECT_EQ(Cols(r1, 88, 99), "000000000000");  // periods, no photo/frame, routine, weeks
    EXPECT_EQ(Cols(r1, 100, 100), "0");           // bold
    const std::string r2 = bytes.substr(100, 100);
    EXPECT_EQ(Cols(r2, 1, 30), std::string(30, ' '));  // no printer chosen yet
    EXPECT_EQ(Cols(r2, 31, 33), "000");
    EXPECT_EQ(Cols(r2, 34, 55), "460290 170 80  4.8  3 ");
    EXPECT_EQ(Cols(r2, 56, 71), "&10a&2pm&3pmHS  ");  // captions cut to four characters
    EXPECT_EQ(Cols(r2, 72, 75), "12 0");              // privacy 1, expire 2, tray labels 0
}

TEST(LabelSettings, WhatIsStoredReadsBackIntoEveryControl) {
    StationFixture f;
    App& app = *f.app;
    Form1& w = app.form1;
    w.wwDateTimeEdit1.Value = Date(2027, 1, 15);
    w.Text14.Text = "3";
    w.Text1.Text = "2";
    w.Text2.Text = "3";
    w.Text3.Text = "5";
    w.Text4.Text = "40";
    w.Check1.Value = 1;
    w.Check3.Value = 2;  // grey
    w.Check4.Value = 1;
    w.Check5.Value = 1;
    w.Check7.Value = 1;
    w.Option3.Value = true;
    w.Check11.Value = 1;
    w.Check12.Value = 1;
    w.Check9.Value = 1;
    w.Check10.Value = 1;
    w.Text15.Text = "500";
    w.Text19.Text = "5.2";
    w.Text20.Text = "6";
    w.Text21.Text = "4";
    w.Text9.Text = "7";
    w.Check13.Value = 1;
    app.st.LabelTypeNo = 3;
    app.st.PrinterName = kPdfPrinterName;
    SaveSet(app);

    auto again = f.NewApp();
    GetSet(*again);
    const AppState& st = again->st;
    const Form1& g = again->form1;
    EXPECT_EQ(st.LabelDate, Date(2027, 1, 15));
    EXPECT_EQ(st.LabelDateText, "01-15-27");
    EXPECT_EQ(g.wwDateTimeEdit1.Value, Date(2027, 1, 15));
    EXPECT_EQ(again->form2.wwDateTimeEdit1.Value, Date(2027, 1, 15));
    EXPECT_EQ(st.DaysToPrint, 3);
    EXPECT_EQ(g.Text14.Text, "3");
    EXPECT_EQ(st.FirstUnit, 2);
    EXPECT_EQ(st.LastUnit, 3);
    EXPECT_EQ(st.FirstResident, 5);
    EXPECT_EQ(st.LastResident, 40);
    EXPECT_EQ(g.Text4.Text, "40");
    EXPECT_EQ(g.Check1.Value, 1);
    EXPECT_EQ(g.Check3.Value, 2);
    EXPECT_EQ(st.PeriodOn(3), 2);
    EXPECT_EQ(st.PeriodOn(2), 0);
    EXPECT_EQ(st.NoPhoto, 1);
    EXPECT_EQ(st.RoutineHS, 1);
    EXPECT_TRUE(g.Option3.Value);
    EXPECT_EQ(st.SnackWeek, 3);
    EXPECT_EQ(g.Check11.Value, 1);
    EXPECT_EQ(st.InkjetMode, 1);
    EXPECT_EQ(st.BarcodeOn, 1);
    EXPECT_EQ(st.SnackMenuOn, 1);
    EXPECT_TRUE(g.RichTextBox1.Visible);
    EXPECT_EQ(st.BarcodeWidth, 500);
    EXPECT_FLOAT_EQ(st.BarcodeXYFactor, 5.2f);
    EXPECT_EQ(st.BarcodeType, 6);
    EXPECT_EQ(g.Barcod1.Symbology, 6);
    EXPECT_EQ(st.PrivacyLevel, 4);
    EXPECT_EQ(st.DaysToExpire, 7);
    EXPECT_EQ(g.Text9.Text, "7");
    EXPECT_EQ(st.TrayLabelsOn, 1);
    EXPECT_EQ(st.LabelTypeNo, 3);
    EXPECT_EQ(st.PrinterName, kPdfPrinterName);
    EXPECT_EQ(g.Combo1.Text, kPdfPrinterName);
    EXPECT_EQ(f.tp.printers.current, 1);
}

TEST(LabelSettings, ColumnsNoFieldCoversKeepTheirBytes) {
    StationFixture f;
    std::string r1(100, 'x'), r2(100, 'y');
    // Valid fields where the program reads them, so that the rest is what the test looks at.
    PutField(r1, 1, 2, "1");
    PutField(r1, 3, 10, "12-09-2026");
    PutField(r2, 34, 3, "999");  // a signed field whose control will hold 0
    WriteSettings(f, r1, r2);
    App& app = *f.app;
    app.form1.Text15.Text = "0";
    SaveSet(app);

    const std::string a = SettingsRecord(f, 1);
    EXPECT_EQ(Cols(a, 13, 54), std::string(42, 'x'));
    EXPECT_EQ(Cols(a, 61, 64), "xxxx");
    EXPECT_EQ(Cols(a, 72, 87), std::string(16, 'x'));
    const std::string b = SettingsRecord(f, 2);
    EXPECT_EQ(Cols(b, 34, 36), "999");  // 0 leaves the field as it was
    EXPECT_EQ(Cols(b, 76, 100), std::string(25, 'y'));
}

TEST(LabelSettings, PeriodNamesComeFromTheCaptionsFirstFourCharacters) {
    StationFixture f;
    SaveSet(*f.app);  // the design caption "&10am" is stored as "&10a"
    auto app = f.NewApp();
    GetSet(*app);
    EXPECT_EQ(app->form1.Check1.Caption, "&10a");
    EXPECT_EQ(app->st.PeriodNames(1), "10a");
    EXPECT_EQ(app->form1.Check4.Caption, "HS  ");
    EXPECT_EQ(app->st.PeriodNames(4), "HS");
}

TEST(LabelSettings, PeriodNamesThatAreNotTextGetTheDefaults) {
    StationFixture f;
    std::string r2(100, ' ');
    PutField(r2, 56, 4, std::string("\0abc", 4));
    PutField(r2, 60, 4, "\xE9t\xE9 ");
    PutField(r2, 64, 4, "Noon");
    PutField(r2, 68, 4,
             "\x7F"
             "HS ");  // 127 is still text
    WriteSettings(f, "1 12-09-2026", r2);
    GetSet(*f.app);
    EXPECT_EQ(f.app->form1.Check1.Caption, "10am");
    EXPECT_EQ(f.app->form1.Check2.Caption, "2pm ");
    EXPECT_EQ(f.app->st.PeriodNames(2), "2pm");
    EXPECT_EQ(f.app->st.PeriodNames(3), "Noon");
    EXPECT_EQ(f.app->form1.Check4.Caption,
              "\x7F"
              "HS ");
}

TEST(LabelSettings, BarcodeFieldsOutOfRangeReadBackAsTheirDefaults) {
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
        {&Form1::Text19, "4.85", 49, 53, "4.85 ", "4.85 "},
        {&Form1::Text19, "0.01", 49, 53, ".01  ", "4.8"},  // below 0.05
        {&Form1::Text20, "6", 54, 55, "6 ", "6 "},
        {&Form1::Text20, "24", 54, 55, "24", "3"},         // only types 1..23
        {&Form1::Text18, "9", 45, 48, "9   ", "80"},       // height from 10
        {&Form1::Text16, "12345", 37, 40, "    ", "290"},  // too wide: the new field stays blank
    };
    for (const Case& c : cases) {
        StationFixture f;
        f.app->form1.*c.box = TextBox{.Text = c.typed};
        SaveSet(*f.app);
        EXPECT_EQ(Cols(SettingsRecord(f, 2), c.from, c.to), c.stored) << c.typed;
        auto app = f.NewApp();
        GetSet(*app);
        EXPECT_EQ((app->form1.*c.box).Text, c.shown) << c.typed;
    }
    StationFixture f;
    f.app->form1.Text19.Text = "4.85";
    SaveSet(*f.app);
    GetSet(*f.app);
    EXPECT_FLOAT_EQ(f.app->st.BarcodeXYFactor, 4.85f);
}

TEST(LabelSettings, TheLastWeekColumnHoldingOneDecides) {
    StationFixture f;
    std::string r1(100, ' ');
    PutField(r1, 1, 12, "1 12-09-2026");
    PutField(r1, 95, 5, "00101");
    WriteSettings(f, r1, "");
    GetSet(*f.app);
    EXPECT_EQ(f.app->st.SnackWeek, 5);
    EXPECT_TRUE(f.app->form1.Option5.Value);
    EXPECT_FALSE(f.app->form1.Option3.Value);
}

TEST(LabelSettings, StartDatesAreCheckedAndBadOnesBecomeToday) {
    struct Case {
        const char* stored;
        Date expected;
    };
    const Date today(2026, 12, 8);
    for (const Case& c :
         {Case{"02-29-2008", Date(2008, 2, 29)}, Case{"02-29-2007", today},
          Case{"04-31-2008", today}, Case{"13-01-2008", today}, Case{"01-01-1999", today},
          Case{"02-29-2100", today}, Case{"02-29-2000", Date(2000, 2, 29)},
          Case{"12/24/2026", Date(2026, 12, 24)}, Case{"1x-01-2008", today}}) {
        StationFixture f;
        WriteSettings(f, std::string("1 ") + c.stored, "");
        GetSet(*f.app);
        EXPECT_EQ(f.app->st.LabelDate, c.expected) << c.stored;
        EXPECT_EQ(f.app->form1.wwDateTimeEdit1.Value, c.expected) << c.stored;
    }
}

TEST(LabelSettings, DamagedStatesAndNumbersGetTheirDefaults) {
    StationFixture f;
    std::string r1(100, ' '), r2(100, ' ');
    PutField(r1, 1, 12, "0 12-09-2026");  // label type 0 -> 1
    PutField(r1, 88, 7,
             "7\xFF"
             "1-9 2x");
    PutField(r2, 72, 4, "9-7x");  // privacy 9 -> 0, days -7 -> 0
    WriteSettings(f, r1, r2);
    GetSet(*f.app);
    const AppState& st = f.app->st;
    EXPECT_EQ(st.LabelTypeNo, 1);
    EXPECT_EQ(f.app->form1.Check1.Value, 0);  // "7" is no check box state
    EXPECT_EQ(f.app->form1.Check3.Value, 1);
    EXPECT_EQ(st.PrivacyLevel, 0);
    EXPECT_EQ(st.DaysToExpire, 0);
    EXPECT_EQ(f.app->form1.Text9.Text, "");
    EXPECT_EQ(st.SettingsLoading, 0);
    EXPECT_EQ(st.ListFilling, 0);
}

TEST(LabelSettings, StoredLabelTypeAboveTwentyFiveFallsBackToOne) {
    StationFixture f;
    WriteSettings(f, "3012-09-2026", "");
    GetSet(*f.app);
    EXPECT_EQ(f.app->st.LabelTypeNo, 1);
}

TEST(LabelSettings, MissingFileKeepsTheWindowsDesignValues) {
    StationFixture f;
    f.app->st.LabelTypeNo = 7;
    GetSet(*f.app);
    EXPECT_EQ(f.app->st.LabelTypeNo, 1);
    EXPECT_EQ(f.app->form1.Text15.Text, "460");
    EXPECT_EQ(f.app->form1.Check1.Caption, "&10am");
    EXPECT_EQ(f.app->form1.Combo1.Text, "Office Laser");  // the system default
}

}  // namespace
}  // namespace vt::test

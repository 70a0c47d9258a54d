// The label settings file as SaveSet writes it and GetSet reads it back.
#include "settings/label_settings.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "settings_fixture.h"
#include "site/label_settings.h"

namespace vt::test {
namespace {

// Replace one whole line "name=..." of a ShownValues text.
void Expect(std::string& shown, const std::string& from, const std::string& to) {
    const std::size_t at = shown.find(from + "\n");
    ASSERT_NE(at, std::string::npos) << from;
    shown.replace(at, from.size(), to);
}

TEST(LabelSettings, NewStationStoresTwoRecordsThatReadBackIntoTheSameControls) {
    StationFixture f;
    WriteBlankNameList(f);
    App& app = *f.app;
    GetSet(app);  // no settings file: the design values stay, label type 1, the default printer
    app.form1.wwDateTimeEdit1.Value = Date(2026, 12, 9);  // the operator's start date
    app.form2.wwDateTimeEdit1.Value = Date(2026, 12, 9);
    std::string expected = ShownValues(app);
    SaveSet(app);
    ASSERT_EQ(f.Bytes(SettingsPath(f)).size(), 200u);

    auto again = f.NewApp();
    GetSet(*again);
    // The file keeps the first four characters of a period caption, blank-padded.
    Expect(expected, "Check1=0 [&10am]", "Check1=0 [&10a]");
    Expect(expected, "Check4=0 [HS]", "Check4=0 [HS  ]");
    EXPECT_EQ(ShownValues(*again), expected);
    EXPECT_EQ(again->st.PeriodNames(1), "10a");
    EXPECT_EQ(again->st.PrinterName, "Office Laser");
}

// A record from its fields in column order; the names only document the columns.
std::string Join(std::initializer_list<std::pair<const char*, std::string>> fields) {
    std::string record;
    for (const auto& field : fields) record += field.second;
    return record;
}

TEST(LabelSettings, NewRecordsHoldTheDesignValuesAtTheirColumns) {
    StationFixture f;
    App& app = *f.app;
    app.form1.wwDateTimeEdit1.Value = Date(2026, 12, 9);
    app.st.LabelTypeNo = 1;
    SaveSet(app);

    const std::string bytes = f.Bytes(SettingsPath(f));
    ASSERT_EQ(bytes.size(), 200u);
    // Columns no field covers are blank in a new record.
    const std::string record1 = Join({
        {"1-2 label type, left-justified", "1 "},
        {"3-12 the date edit's text", "12-09-2026"},
        {"13-54", std::string(42, ' ')},
        {"55-56 days, Text14", "1 "},
        {"57-60 units 1 to 2", "1 2 "},
        {"61-64", "    "},
        {"65 inkjet", "0"},
        {"66-71 residents 1 to 18", "1  18 "},
        {"72-87", std::string(16, ' ')},
        {"88-94 periods, photo, frame, routine bedtime", "0000000"},
        {"95-99 no week button selected", "00000"},
        {"100 bold", "0"},
    });
    EXPECT_EQ(bytes.substr(0, 100), record1);
    const std::string record2 = Join({
        {"1-30 no printer chosen yet", std::string(30, ' ')},
        {"31-33 this font, barcode, snack menu", "000"},
        {"34-36 width", "460"},
        {"37-40 left shift", "290 "},
        {"41-44 down shift", "170 "},
        {"45-48 height", "80  "},
        {"49-53 XY factor", "4.8  "},
        {"54-55 Code 39", "3 "},
        {"56-71 captions cut to four characters", "&10a&2pm&3pmHS  "},
        {"72 privacy, Text21", "1"},
        {"73-74 days to expire, Text9", "2 "},
        {"75 tray labels", "0"},
        {"76-100", std::string(25, ' ')},
    });
    EXPECT_EQ(bytes.substr(100, 100), record2);
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
    w.Check6.Value = 1;
    w.Check7.Value = 1;
    w.Option3.Value = true;
    w.Check8.Value = 1;
    w.Check11.Value = 1;
    w.Check12.Value = 1;
    w.Check9.Value = 1;
    w.Check10.Value = 1;
    w.Text15.Text = "500";
    w.Text16.Text = "-12";  // signed: kept with its sign, then out of range
    w.Text17.Text = "9000";
    w.Text18.Text = "10";
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
    EXPECT_EQ(LoadedState(*again),
              "LabelTypeNo=3\nLabelDate=01-15-2027\nLabelDateText=01-15-27\nDaysToPrint=3\n"
              "Units=2..3\nResidents=5..40\nPeriodOn=1021\nNoPhoto=1\nNoFrame=1\nRoutineHS=1\n"
              "SnackWeek=3\nInkjetMode=1\nBold=1\nThisFont=1\nBarcodeOn=1\nSnackMenuOn=1\n"
              "Barcode=500,290,9000,10,5.2,6\nSymbology=6\nPeriodNames(1)=[10a]\n"
              "PeriodNames(2)=[2pm]\nPeriodNames(3)=[3pm]\nPeriodNames(4)=[HS]\n"
              "PrivacyLevel=4\nDaysToExpire=7\nTrayLabelsOn=1\nPrinterName=Vittlon PDF\n"
              "Sheet=400,1430,3600,10,0,0,0,0\n");
    const Form1& g = again->form1;
    EXPECT_EQ(g.wwDateTimeEdit1.Value, Date(2027, 1, 15));
    EXPECT_EQ(again->form2.wwDateTimeEdit1.Value, Date(2027, 1, 15));
    EXPECT_EQ(g.Text14.Text, "3");
    EXPECT_EQ(g.Text4.Text, "40");
    EXPECT_EQ(g.Check3.Value, 2);
    EXPECT_TRUE(g.Option3.Value);
    EXPECT_EQ(g.Text16.Text, "290");  // out of range: the default's text
    EXPECT_EQ(g.Text9.Text, "7");
    EXPECT_EQ(g.Text21.Text, "4");
    EXPECT_EQ(g.Check13.Value, 1);
    EXPECT_TRUE(g.RichTextBox1.Visible);  // the snack list editor shows with the snack menu
    EXPECT_EQ(g.Combo1.Text, kPdfPrinterName);
    EXPECT_EQ(f.tp.printers.current, kPdfPrinterName);
}

TEST(LabelSettings, SnackListEditorIsHiddenWithoutTheSnackMenu) {
    StationFixture f;
    f.app->form1.Check10.Value = 0;
    SaveSet(*f.app);
    auto again = f.NewApp();
    again->form1.RichTextBox1.Visible = true;
    GetSet(*again);
    EXPECT_FALSE(again->form1.RichTextBox1.Visible);
}

TEST(LabelSettings, ColumnsNoFieldCoversKeepTheirBytes) {
    StationFixture f;
    std::string r1(100, 'x'), r2(100, 'y');
    PutField(r2, 34, 20, "999123423453456 7.5 ");  // the signed barcode fields
    WriteSettings(f, r1, r2);
    Form1& w = f.app->form1;
    // A signed field whose box reads as 0 is not written at all.
    w.Text15.Text = "0";
    w.Text16.Text = "";
    w.Text17.Text = " 0 ";
    w.Text18.Text = "0.0";
    w.Text19.Text = "-0";
    SaveSet(*f.app);

    const std::string a = SettingsRecord(f, 1);
    EXPECT_EQ(Cols(a, 13, 54), std::string(42, 'x'));
    EXPECT_EQ(Cols(a, 61, 64), "xxxx");
    EXPECT_EQ(Cols(a, 72, 87), std::string(16, 'x'));
    const std::string b = SettingsRecord(f, 2);
    EXPECT_EQ(Cols(b, 34, 53), "999123423453456 7.5 ");
    EXPECT_EQ(Cols(b, 76, 100), std::string(25, 'y'));
}

TEST(LabelSettings, RecordOneTextsAreTrimmedAndCutToTheirWidth) {
    struct Case {
        TextBox Form1::*box;
        const char* typed;
        std::size_t from, to;
        const char* stored;
    };
    const Case cases[] = {
        {&Form1::Text14, " 12 ", 55, 56, "12"},  // blanks around are dropped
        {&Form1::Text14, "123", 55, 56, "12"},   // two columns: the third digit is lost
        {&Form1::Text1, "7", 57, 58, "7 "},
        {&Form1::Text2, "  ", 59, 60, "  "},
        {&Form1::Text3, "1000", 66, 68, "100"},
        {&Form1::Text4, "abcd", 69, 71, "abc"},  // stored as typed; reading makes it 0
    };
    for (const Case& c : cases) {
        StationFixture f;
        (f.app->form1.*c.box).Text = c.typed;
        SaveSet(*f.app);
        EXPECT_EQ(Cols(SettingsRecord(f, 1), c.from, c.to), c.stored) << c.typed;
    }
}

TEST(LabelSettings, RecordTwoNumbersThatDoNotFitKeepTheOldField) {
    // A cut number would read back as another number (12345 as 1234), so the field keeps the
    // last value that fitted.
    site::LabelSettings old;
    old.barcodeWidth = 500;
    old.barcodeLeftShift = 300;
    old.barcodeDownShift = 200;
    old.barcodeHeight = 90;
    old.barcodeXYFactor = 5.5;
    old.barcodeType = 6;
    old.privacyLevel = 2;
    old.daysToExpire = 10;
    struct Case {
        TextBox Form1::*box;
        const char* typed;
        std::size_t from, to;
        const char* stored;
    };
    const Case cases[] = {
        {&Form1::Text15, "1000", 34, 36, "500"},
        {&Form1::Text15, "-50", 34, 36, "-50"},   // three columns hold the sign too
        {&Form1::Text15, "-500", 34, 36, "500"},  // four characters with its sign
        {&Form1::Text16, "12345", 37, 40, "300 "},
        {&Form1::Text17, "-1000", 41, 44, "200 "},
        {&Form1::Text18, "99999", 45, 48, "90  "},
        {&Form1::Text19, "123.45", 49, 53, "5.5  "},
        {&Form1::Text19, "999.9", 49, 53, "999.9"},
        {&Form1::Text20, "100", 54, 55, "6 "},
        {&Form1::Text21, "12", 72, 72, "2"},
        {&Form1::Text21, "-1", 72, 72, "2"},
        {&Form1::Text9, "150", 73, 74, "0 "},  // days to expire outside 0..99 are written as 0
        {&Form1::Text9, "-3", 73, 74, "0 "},
        {&Form1::Text9, "99", 73, 74, "99"},
    };
    for (const Case& c : cases) {
        StationFixture f;
        site::WriteLabelSettings(f.tp.root(), f.layout, old);
        GetSet(*f.app);
        (f.app->form1.*c.box).Text = c.typed;
        SaveSet(*f.app);
        EXPECT_EQ(Cols(SettingsRecord(f, 2), c.from, c.to), c.stored) << c.typed;
    }
}

TEST(LabelSettings, SaveSetTakesPrivacyExpiryAndTrayLabelsIntoTheState) {
    StationFixture f;
    App& app = *f.app;
    app.form1.Text21.Text = "3";
    app.form1.Text9.Text = "14";
    app.form1.Check13.Value = 1;
    app.form1.Text15.Text = "700";
    SaveSet(app);
    EXPECT_EQ(app.st.PrivacyLevel, 3);
    EXPECT_EQ(app.st.DaysToExpire, 14);
    EXPECT_EQ(app.st.TrayLabelsOn, 1);
    EXPECT_EQ(app.st.BarcodeWidth, 0);  // every other value waits for the next GetSet
}

}  // namespace
}  // namespace vt::test

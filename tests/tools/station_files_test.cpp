#include <gtest/gtest.h>

#include <stdexcept>

#include "record_field.h"
#include "site/label_settings.h"
#include "site/label_types.h"
#include "site/small_files.h"

namespace vt::site {
namespace {

using test::Field;

TEST(LabelNameListBytes, FiftyNameRecordsEndingInCrLf) {
    const std::string b = LabelNameListBytes({{"Avery 5160 3 across", {}}, {"Second", {}}});
    ASSERT_EQ(b.size(), 50u * 52u);
    EXPECT_EQ(Field(b, 52, 1, 1, 20), "Avery 5160 3 across ");
    EXPECT_EQ(Field(b, 52, 2, 1, 7), "Second ");
    EXPECT_EQ(Field(b, 52, 50, 1, 52), std::string(50, ' ') + "\r\n");
    EXPECT_EQ(Field(b, 52, 1, 51, 2), "\r\n");
}

TEST(LabelGeometryBytes, NumbersLeftJustifiedInFiveColumnsWithoutSign) {
    LabelType type{"x", {"12-09-2026", 720, 1440, 3780, 10, {270, -100, 8190, 0}}};
    const std::string b = LabelGeometryBytes({LabelType{}, type});
    ASSERT_EQ(b.size(), 2u * 200u);
    EXPECT_EQ(Field(b, 200, 2, 1, 50), "12-09-2026720  1440 3780 10   270  100  8190 0    ");
    EXPECT_EQ(Field(b, 200, 2, 51, 150), std::string(150, ' '));
    // The default type carries the program's own fallbacks.
    EXPECT_EQ(Field(b, 200, 1, 11, 20), "400  1430 3600 10   ");
}

TEST(LabelTypes, AtMostFiftyTypes) {
    const std::vector<LabelType> tooMany(51);
    EXPECT_THROW(LabelNameListBytes(tooMany), std::invalid_argument);
}

TEST(LabelSettingsBytes, DefaultsAreTheWindowsDesignValues) {
    LabelSettings s;
    s.startDate = "12-09-2026";
    const std::string b = LabelSettingsBytes(s);
    ASSERT_EQ(b.size(), 200u);
    EXPECT_EQ(Field(b, 100, 1, 1, 12), "1 12-09-2026");
    EXPECT_EQ(Field(b, 100, 1, 13, 42), std::string(42, ' '));
    EXPECT_EQ(Field(b, 100, 1, 55, 17), "1 1 1     01  60 ");
    EXPECT_EQ(Field(b, 100, 1, 88, 13), "1000000100000");
    EXPECT_EQ(Field(b, 100, 2, 1, 30), "Vittlon PDF" + std::string(19, ' '));
    EXPECT_EQ(Field(b, 100, 2, 31, 45), "001460290 170 80  4.8  3 &10a&2pm&3pmHS  00 0");
    EXPECT_EQ(Field(b, 100, 2, 76, 25), std::string(25, ' '));
}

TEST(LabelSettingsBytes, EveryFieldInItsColumns) {
    LabelSettings s;
    s.labelTypeNo = 12;
    s.startDate = "13-01-2008";  // written as given, even when it is no date
    s.daysToPrint = 7;
    s.firstUnit = 2;
    s.lastUnit = 10;
    s.inkjet = 1;
    s.firstResident = 5;
    s.lastResident = 120;
    s.periodOn = {0, 1, 2, 1};
    s.noPhoto = 1;
    s.noFrame = 1;
    s.routineHS = 1;
    s.snackWeek = 4;
    s.bold = 1;
    s.printerName = "A printer name longer than thirty columns";
    s.thisFont = 1;
    s.barcodeOn = 1;
    s.snackMenuOn = 0;
    s.barcodeWidth = -5;
    s.barcodeLeftShift = 0;  // a signed 0 leaves the field blank
    s.barcodeDownShift = 9000;
    s.barcodeHeight = 10;
    s.barcodeXYFactor = 4.85;
    s.barcodeType = 6;
    s.periodCaptions = {"&Morning", "2pm", "", "H.S."};
    s.privacyLevel = 4;
    s.daysToExpire = 120;  // the window stores 0 when it cannot keep the value
    s.trayLabels = 1;
    const std::string b = LabelSettingsBytes(s);
    EXPECT_EQ(Field(b, 100, 1, 1, 12), "1213-01-2008");
    EXPECT_EQ(Field(b, 100, 1, 55, 17), "7 2 10    15  120");
    EXPECT_EQ(Field(b, 100, 1, 88, 13), "0121111000101");
    EXPECT_EQ(Field(b, 100, 2, 1, 30), "A printer name longer than thi");
    EXPECT_EQ(Field(b, 100, 2, 31, 45), "110-5     900010  4.85 6 &Mor2pm     H.S.40 1");
}

TEST(SmallFiles, TitleLocatorAndUserLabelBytes) {
    EXPECT_EQ(SiteTitleBytes("Elm House"), "Elm House" + std::string(191, ' '));
    EXPECT_EQ(LocatorFileBytes("c:\\zel\\setup more"),
              "c:\\zel\\setup more" + std::string(23, ' '));
    EXPECT_EQ(UserLabelTextBytes("Happy Birthday, Rose!"), "\"Happy Birthday, Rose!\"\r\n");
    EXPECT_EQ(UserLabelTextBytes("one,two", false), "one,two\r\n");
}

}  // namespace
}  // namespace vt::site

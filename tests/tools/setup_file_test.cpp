#include "site/setup_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "record_field.h"

namespace vt::site {
namespace {

using test::Field;

SetupFile TwoUnitsThreePaths() {
    SetupFile s;
    s.station = "AB";
    s.defaultUnit = 2;
    s.facilityName = "ELM HOUSE";
    s.units = {{24, "EAST WING"}, {8, "WEST"}};
    s.paths = {"c:\\zel\\setup", "c:\\zel", "  d:\\other  "};
    s.stationDates[1] = "12-08-26";
    s.stationDates[2] = "12-07-26";
    s.stationDates[4] = "01-02-03";
    s.stationDates[9] = "XYZ";
    s.stationDates[7] = "14 CHARACTERS!";
    return s;
}

TEST(SetupFileBytes, RecordOneHoldsStationCountsAndDefaultUnit) {
    const std::string bytes = SetupFileBytes(TwoUnitsThreePaths());
    // Station blank-padded to 3 columns, then unit count 2, path count 3, default unit 2, each
    // left-justified in two columns.
    EXPECT_EQ(Field(bytes, 32, 1, 1, 9), "AB 2 3 2 ");
    EXPECT_EQ(Field(bytes, 32, 1, 10, 23), std::string(23, ' '));
    EXPECT_EQ(Field(bytes, 32, 2, 1, 32), std::string(32, ' '));
    EXPECT_EQ(Field(bytes, 32, 4, 1, 29), "ELM HOUSE" + std::string(20, ' '));
}

TEST(SetupFileBytes, UnitsThenPathTableFollowRecordFour) {
    const std::string bytes = SetupFileBytes(TwoUnitsThreePaths());
    EXPECT_EQ(Field(bytes, 32, 5, 1, 23), "24 EAST WING           ");
    EXPECT_EQ(Field(bytes, 32, 6, 1, 23), "8  WEST                ");
    // Path entry i is record 4 + N1 + i; entries keep their blanks as given.
    EXPECT_EQ(Field(bytes, 32, 7, 1, 12), "c:\\zel\\setup");
    EXPECT_EQ(Field(bytes, 32, 8, 1, 7), "c:\\zel ");
    EXPECT_EQ(Field(bytes, 32, 9, 1, 13), "  d:\\other   ");
}

TEST(SetupFileBytes, DateRecordsSitThirtyRecordsAfterThePathTable) {
    const std::string bytes = SetupFileBytes(TwoUnitsThreePaths());
    // N1 = 2, N2 = 3: the date records are 40, 41 and 42, and nothing follows them.
    ASSERT_EQ(bytes.size(), 42u * 32u);
    EXPECT_EQ(Field(bytes, 32, 39, 1, 32), std::string(32, ' '));
    EXPECT_EQ(Field(bytes, 32, 40, 1, 30), "      12-08-2612-07-26        ");
    EXPECT_EQ(Field(bytes, 32, 41, 1, 19), "01-02-03        XYZ");
    EXPECT_EQ(Field(bytes, 32, 42, 1, 14), "14 CHARACTERS!");
}

TEST(SetupFileBytes, RecordTwoHundredOnlyWhenAScreenSizeIsGiven) {
    SetupFile s = TwoUnitsThreePaths();
    s.screenSize = 3;
    const std::string bytes = SetupFileBytes(s);
    ASSERT_EQ(bytes.size(), 200u * 32u);
    EXPECT_EQ(Field(bytes, 32, 200, 1, 10), "        3 ");
    EXPECT_EQ(Field(bytes, 32, 150, 1, 32), std::string(32, ' '));
}

TEST(SetupFileBytes, OverriddenCountsMoveTheDateRecordAsTheProgramWouldReadIt) {
    SetupFile s = TwoUnitsThreePaths();
    s.pathCount = 1;  // a damaged file that claims fewer entries than it holds
    const std::string bytes = SetupFileBytes(s);
    EXPECT_EQ(Field(bytes, 32, 1, 6, 2), "1 ");
    EXPECT_EQ(Field(bytes, 32, 38, 7, 8), "12-08-26");
}

TEST(SetupFileBytes, RefusesWhatCannotBeWrittenFaithfully) {
    SetupFile longPath = TwoUnitsThreePaths();
    longPath.paths.push_back("c:\\a\\folder\\name\\of\\31\\chars\\xy");
    EXPECT_THROW(SetupFileBytes(longPath), std::invalid_argument);

    SetupFile tooMany = TwoUnitsThreePaths();
    tooMany.unitCount = 100;
    EXPECT_THROW(SetupFileBytes(tooMany), std::invalid_argument);
}

TEST(SetupFileFor, CarriesTheLayoutsStationAndPathTable) {
    SiteLayout layout;
    layout.station = "Q";
    const SetupFile s = SetupFileFor(layout);
    EXPECT_EQ(s.station, "Q");
    ASSERT_EQ(s.paths.size(), 44u);
    EXPECT_EQ(s.paths[1], "c:\\zel");
    EXPECT_EQ(s.paths[41], "c:\\zel\\pics");
}

}  // namespace
}  // namespace vt::site

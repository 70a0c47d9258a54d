#include <gtest/gtest.h>

#include <stdexcept>

#include "record_field.h"
#include "site/dining_file.h"
#include "site/resident_file.h"
#include "site/unit_file.h"

namespace vt::site {
namespace {

using test::Field;

Resident Sample() {
    Resident r;
    r.key = "1234";
    r.location = "E101A";
    r.name = "Smith, John";
    r.diningCodes = {"MDR", "", "gcd"};
    r.diets = {{{3, "PUREED"}, {}, {8, "TUBE"}, {99, "NPO-LONGER-THAN-TEN"}}};
    r.nourishments = {{{"Juice \xFE nectar @", "", "~ hold"},
                       {"Magic cup", "Milk"},
                       {"", "", "3pm line 3"},
                       {"FOLLOW", "", "H.S. line 3"}}};
    return r;
}

TEST(ResidentFileBytes, IsSixtyThreeRecordsOfEightyTwoBytes) {
    EXPECT_EQ(ResidentFileBytes(Sample()).size(), 63u * 82u);
}

TEST(ResidentFileBytes, StatusByteMarksActiveResidents) {
    Resident r = Sample();
    EXPECT_EQ(Field(ResidentFileBytes(r), 82, 1, 10, 1), "\xC4");
    r.active = false;
    EXPECT_EQ(Field(ResidentFileBytes(r), 82, 1, 10, 1), "X");
    r.inactiveStatus = 'D';
    EXPECT_EQ(Field(ResidentFileBytes(r), 82, 1, 10, 1), "D");
}

TEST(ResidentFileBytes, NameDiningAndDietFieldsInTheirColumns) {
    const std::string b = ResidentFileBytes(Sample());
    EXPECT_EQ(Field(b, 82, 2, 5, 6), "E101A ");
    EXPECT_EQ(Field(b, 82, 2, 15, 25), "Smith, John              ");
    EXPECT_EQ(Field(b, 82, 4, 43, 15), "MDR         gcd");
    // Record 8: code 1 at 11, text 1 at 15; an empty order leaves both blank; text 4 is cut to
    // its 10 columns so that it cannot spill past column 79.
    EXPECT_EQ(Field(b, 82, 8, 11, 3), "003");
    EXPECT_EQ(Field(b, 82, 8, 15, 13), "PUREED       ");
    EXPECT_EQ(Field(b, 82, 8, 29, 17), std::string(17, ' '));
    EXPECT_EQ(Field(b, 82, 8, 47, 3), "008");
    EXPECT_EQ(Field(b, 82, 8, 51, 14), "TUBE          ");
    EXPECT_EQ(Field(b, 82, 8, 66, 3), "099");
    EXPECT_EQ(Field(b, 82, 8, 70, 13), "NPO-LONGER   ");
}

TEST(ResidentFileBytes, NourishmentLinesKeepTheirBytesInTheirRecords) {
    const std::string b = ResidentFileBytes(Sample());
    // Table of (record, expected 29 columns from 43): 10am 50-52, 2pm 54-55, 3pm 57-59,
    // H.S. 61-63; the records between the periods stay blank.
    const struct {
        std::size_t record;
        std::string text;
    } cases[] = {
        {50, "Juice \xFE nectar @"},
        {51, ""},
        {52, "~ hold"},
        {53, ""},
        {54, "Magic cup"},
        {55, "Milk"},
        {56, ""},
        {59, "3pm line 3"},
        {60, ""},
        {61, "FOLLOW"},
        {63, "H.S. line 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        EXPECT_EQ(Field(b, 82, c.record, 43, 29), c.text + std::string(29 - c.text.size(), ' '));
    }
}

TEST(ResidentFileBytes, RefusesWhatTheFileCannotHold) {
    Resident thirdTwoPmLine = Sample();
    thirdTwoPmLine.nourishments[1][2] = "never read";
    EXPECT_THROW(ResidentFileBytes(thirdTwoPmLine), std::invalid_argument);

    Resident bigCode = Sample();
    bigCode.diets[0].code = 1000;
    EXPECT_THROW(ResidentFileBytes(bigCode), std::invalid_argument);
}

TEST(UnitFileBytes, KeyOfSlotRInColumns33To39OfRecordR) {
    const std::string b = UnitFileBytes({"1001", "", "1234567"});
    ASSERT_EQ(b.size(), 3u * 122u);
    EXPECT_EQ(Field(b, 122, 1, 32, 9), " 1001    ");
    EXPECT_EQ(Field(b, 122, 2, 33, 7), "       ");
    EXPECT_EQ(Field(b, 122, 3, 33, 7), "1234567");
    EXPECT_EQ(Field(b, 122, 3, 121, 2), "\r\n");
}

TEST(DiningFileBytes, CodeAtFiveNameAtNine) {
    const std::string b = DiningFileBytes({{"MDR", "MAIN DINING ROOM"}, {"RM", "ROOM"}});
    ASSERT_EQ(b.size(), 2u * 48u);
    EXPECT_EQ(Field(b, 48, 1, 1, 12), "    MDR MAIN");
    EXPECT_EQ(Field(b, 48, 1, 9, 38), "MAIN DINING ROOM" + std::string(22, ' '));
    // A two-letter code keeps its blank: the lookup compares all three columns.
    EXPECT_EQ(Field(b, 48, 2, 5, 3), "RM ");
}

}  // namespace
}  // namespace vt::site

#include "site/snack_template.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vt::site {
namespace {

// Line n (1-based) without its CR LF; column c of it is Char(n, c).
class SnackTemplateBytesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SnackTemplate t;
        t.title = "TEST MENU";
        t.rows[0].label = {"REGULAR", "LOW FAT"};
        t.rows[0].rangeALow = 1;
        t.rows[0].rangeAHigh = 1;
        t.rows[0].rangeBLow = 7;
        t.rows[0].rangeBHigh = 12;
        t.rows[0].items[0] = {"Graham crackers", "Milk 4 oz", ""};
        t.rows[0].items[3] = {"½ sandwich", "", "An item longer than twenty"};
        t.rows[11].items[6] = {"", "", "Last cell"};
        bytes = SnackTemplateBytes(t);
    }
    std::string Line(std::size_t n) const { return bytes.substr((n - 1) * 166, 164); }
    unsigned char Char(std::size_t n, std::size_t c) const {
        return static_cast<unsigned char>(bytes[(n - 1) * 166 + c - 1]);
    }
    std::string bytes;
};

TEST_F(SnackTemplateBytesTest, FiftySixLinesOf164CharactersAndCrLf) {
    ASSERT_EQ(bytes.size(), 56u * 166u);
    for (std::size_t n = 1; n <= 56; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(bytes.substr((n - 1) * 166 + 164, 2), "\r\n");
        EXPECT_EQ(Line(n).find_first_of("\r\n"), std::string::npos);
    }
}

TEST_F(SnackTemplateBytesTest, RuleLinesCarry196AtColumn32AndCrossesAtTheBorders) {
    // Lines 4, 8, ..., 52 are rules: the editor and the duplicate command look for 196 at
    // column 32, and the borders cross them with 197.
    for (std::size_t n = 4; n <= 52; n += 4) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Char(n, 32), 196);
        EXPECT_EQ(Char(n, 1), 196);
        for (const std::size_t border : {17, 38, 59, 80, 101, 122, 143}) {
            EXPECT_EQ(Char(n, border), 197);
        }
    }
}

TEST_F(SnackTemplateBytesTest, ItemAndHeadingLinesHaveVerticalBordersOnly) {
    for (std::size_t n = 2; n <= 51; ++n) {
        if (n % 4 == 0) continue;
        SCOPED_TRACE(n);
        for (const std::size_t border : {17, 38, 59, 80, 101, 122, 143, 164}) {
            EXPECT_EQ(Char(n, border), 179);
        }
        EXPECT_NE(Char(n, 32), 196);
    }
    // The notes below the last rule carry no borders.
    EXPECT_EQ(Line(53), std::string(164, ' '));
}

TEST_F(SnackTemplateBytesTest, CellsAndCodesInTheirColumns) {
    // First row, Sunday cell at column 18 (offset 681 of the whole text).
    EXPECT_EQ(bytes.substr(681, 20), "Graham crackers     ");
    EXPECT_EQ(Line(6).substr(17, 20), "Milk 4 oz           ");
    // Wednesday (column 81): "½" is code page 437 byte 171; a long item is cut at its cell.
    EXPECT_EQ(Line(5).substr(80, 20), "\xAB sandwich          ");
    EXPECT_EQ(Line(7).substr(80, 21), "An item longer than \xB3");
    // Label block and the diet code ranges of the third item line.
    EXPECT_EQ(Line(5).substr(0, 17), " REGULAR        \xB3");
    EXPECT_EQ(Line(6).substr(0, 17), " LOW FAT        \xB3");
    EXPECT_EQ(Line(7).substr(0, 17), " 001-001 007-012\xB3");
    EXPECT_EQ(Line(51).substr(0, 17), " 000-000 000-000\xB3");
    // Last row, Saturday (column 144), third line: line 51.
    EXPECT_EQ(Line(51).substr(143, 21), "Last cell           \xB3");
}

TEST_F(SnackTemplateBytesTest, TitleCentredAndDayNamesOnLineThree) {
    EXPECT_EQ(Line(1), std::string(77, ' ') + "TEST MENU" + std::string(78, ' '));
    EXPECT_EQ(Line(3).substr(17, 20), "       SUNDAY       ");
    EXPECT_EQ(Line(3).substr(143, 20), "      SATURDAY      ");
}

TEST(SnackTemplate, RefusesRangesBeyondThreeDigits) {
    SnackTemplate t;
    t.rows[2].rangeBHigh = 1000;
    EXPECT_THROW(SnackTemplateBytes(t), std::invalid_argument);
}

}  // namespace
}  // namespace vt::site

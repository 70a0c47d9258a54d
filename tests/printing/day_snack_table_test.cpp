// The day's snack table: the weekday's column of the week's snack list.
#include "printing/day_snack_table.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/text.h"
#include "site/snack_template.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {

const char* kDays[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};

// A list whose item in row r, line k, weekday w reads e.g. "WED r3 k2".
site::SnackTemplate NamedItems(int filledRows) {
    site::SnackTemplate t;
    for (int r = 0; r < filledRows; ++r) {
        auto& row = t.rows[static_cast<std::size_t>(r)];
        row.rangeALow = r + 1;
        row.rangeAHigh = r + 10;
        row.rangeBLow = 100 + r;
        row.rangeBHigh = 200 + r;
        for (int w = 0; w < 7; ++w) {
            for (int k = 0; k < 3; ++k) {
                row.items[static_cast<std::size_t>(w)][static_cast<std::size_t>(k)] =
                    std::string(kDays[w]) + " r" + std::to_string(r + 1) + " k" +
                    std::to_string(k + 1);
            }
        }
    }
    return t;
}

struct DayFixture : StationFixture {
    explicit DayFixture(int filledRows = 12) {
        const std::string path = layout.SnackListPath(1);
        WriteHostFile(Host(path), site::SnackTemplateBytes(NamedItems(filledRows)));
        app->st.SnackFile = path;
    }
};

TEST(DaySnackTable, TheLabelDaysWeekdayColumnIsRead) {
    DayFixture f;
    f.app->st.LabelDate = Date(2026, 12, 9);  // a Wednesday: column 81
    ReadDaySnacks(*f.app);
    const AppState& st = f.app->st;
    EXPECT_EQ(st.SnackItems(1, 1), PadTo("WED r1 k1", 20));
    EXPECT_EQ(st.SnackItems(12, 3), PadTo("WED r12 k3", 20));
    EXPECT_EQ(st.SnackRangeA(3, 1), 3);
    EXPECT_EQ(st.SnackRangeA(3, 2), 12);
    EXPECT_EQ(st.SnackRangeB(3, 1), 102);
    EXPECT_EQ(st.SnackRangeB(3, 2), 202);
    EXPECT_EQ(st.SnackItems(0, 1), "");  // index 0 and rows 13-14 stay empty
    EXPECT_EQ(st.SnackItems(13, 1), "");
}

TEST(DaySnackTable, RowsNotFilledAreBlankWithRangesZero) {
    DayFixture f(6);
    f.app->st.LabelDate = Date(2026, 12, 6);  // Sunday
    ReadDaySnacks(*f.app);
    EXPECT_EQ(f.app->st.SnackItems(6, 1), PadTo("SUN r6 k1", 20));
    EXPECT_EQ(f.app->st.SnackItems(7, 1), std::string(20, ' '));
    EXPECT_EQ(f.app->st.SnackRangeA(7, 1), 0);
    EXPECT_EQ(f.app->st.SnackRangeB(12, 2), 0);
}

TEST(DaySnackTable, EachDayOfARunReadsItsOwnColumn) {
    DayFixture f;
    Date day(2026, 12, 12);  // Saturday, then Sunday and Monday
    for (const char* expected : {"SAT", "SUN", "MON"}) {
        f.app->st.LabelDate = day;
        ReadDaySnacks(*f.app);
        EXPECT_EQ(Left(f.app->st.SnackItems(2, 2), 3), expected);
        day = day.AddDays(1);
    }
}

TEST(DaySnackTable, RecordsPastTheEndReadAsBlanks) {
    DayFixture f;
    const std::string path = f.app->st.SnackFile;
    WriteHostFile(f.Host(path),
                  f.Bytes(path).substr(0, 166 * 8 + 10));  // cut at the start of row 2
    f.app->st.LabelDate = Date(2026, 12, 6);
    ReadDaySnacks(*f.app);
    EXPECT_EQ(f.app->st.SnackItems(1, 3), PadTo("SUN r1 k3", 20));
    EXPECT_EQ(f.app->st.SnackItems(2, 1), std::string(20, ' '));
    EXPECT_EQ(f.app->st.SnackRangeA(2, 1), 0);
}

TEST(DaySnackTable, WithoutASnackListTheTableIsEmptyAndLabelsStillPrint) {
    StationFixture f;
    f.app->st.SnackFile = "";
    ReadDaySnacks(*f.app);
    EXPECT_EQ(f.app->st.SnackRangeA(1, 1), 0);
    f.app->st.SnackFile = f.layout.SnackListPath(4);  // named but missing
    ReadDaySnacks(*f.app);
    EXPECT_EQ(f.app->st.SnackItems(1, 1), "");
}

TEST(DaySnackTable, DamagedListsNeverCrash) {
    std::mt19937 rng(77);
    StationFixture f;
    for (int round = 0; round < 100; ++round) {
        std::string bytes(rng() % 12000, ' ');
        for (char& c : bytes) c = static_cast<char>(rng() % 256);
        const std::string path = f.layout.SnackListPath(1);
        WriteHostFile(f.Host(path), bytes);
        f.app->st.SnackFile = path;
        f.app->st.LabelDate = Date(2026, 12, 6).AddDays(round % 7);
        ReadDaySnacks(*f.app);
        EXPECT_EQ(f.app->st.SnackItems(12, 3).size(), 20u);
    }
}

}  // namespace
}  // namespace vt::test

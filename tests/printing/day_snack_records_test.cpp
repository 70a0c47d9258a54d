// The day snack table read from hand-made snack list records: the exact columns of each
// weekday, the diet code fields, tables rebuilt on every call, and damaged lists.
#include <gtest/gtest.h>

#include <random>

#include "platform/numbers.h"
#include "platform/text.h"
#include "printing/day_snack_table.h"
#include "site/snack_template.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {

constexpr std::size_t kLine = 166;
const Date kSunday(2026, 12, 6);

// 56 blank lines with a vertical line (code page 437 179) in every separator column, so that a
// cell read one column off picks up the border.
std::string BlankList() {
    std::string line(164, ' ');
    for (std::size_t column = 17; column <= 164; column += 21) line[column - 1] = '\xB3';
    std::string bytes;
    for (int n = 0; n < 56; ++n) bytes += line + "\r\n";
    return bytes;
}

void Put(std::string& bytes, std::size_t record, std::size_t column, const std::string& text) {
    bytes.replace((record - 1) * kLine + column - 1, text.size(), text);
}

struct ListFixture : StationFixture {
    void Write(const std::string& bytes) {
        const std::string path = layout.SnackListPath(1);
        WriteHostFile(Host(path), bytes);
        app->st.SnackFile = path;
    }
    void Read(const Date& day) {
        app->st.LabelDate = day;
        ReadDaySnacks(*app);
    }
};

TEST(DaySnackRecords, EachWeekdayReadsTwentyCharactersFromItsOwnColumn) {
    // Sunday's cell starts in column 18 and each later day 21 columns on (20 characters and a
    // separator), the columns of the printed weekly menu.
    const std::size_t columns[] = {18, 39, 60, 81, 102, 123, 144};
    std::string bytes = BlankList();
    for (std::size_t column : columns) {
        for (std::size_t record : {5u, 6u, 7u, 49u, 50u, 51u}) {
            Put(bytes, record, column,
                "r" + std::to_string(record) + " c" + std::to_string(column) +
                    std::string(12, '.') + "|");
        }
    }
    ListFixture f;
    f.Write(bytes);
    for (int w = 1; w <= 7; ++w) {
        f.Read(kSunday.AddDays(w - 1));
        const std::string c = std::to_string(columns[w - 1]);
        const AppState& st = f.app->st;
        EXPECT_EQ(st.SnackItems(1, 1), PadTo("r5 c" + c + std::string(12, '.') + "|", 20)) << w;
        EXPECT_EQ(st.SnackItems(1, 3).substr(0, 2), "r7") << w;
        EXPECT_EQ(st.SnackItems(12, 1).substr(0, 3), "r49") << w;
        EXPECT_EQ(st.SnackItems(12, 3).substr(0, 3), "r51") << w;
        EXPECT_EQ(st.SnackItems(2, 1), std::string(20, ' ')) << w;
    }
}

TEST(DaySnackRecords, DietCodeFieldsAreReadLeniently) {
    // The four fields of a row's third line sit in columns 2-4, 6-8, 10-12 and 14-16. Columns 1,
    // 5, 9, 13 and 17 hold an 8 here: a field read one column too wide would take it in.
    struct Case {
        const char* field;
        Int16 value;  // why
    };
    for (const Case& c : {
             Case{"005", 5},    // leading zeros
             Case{" 12", 12},   // leading blank
             Case{"1 2", 12},   // blanks are ignored wherever they stand
             Case{"   ", 0},    // no digits
             Case{"abc", 0},    // no digits
             Case{"7x9", 7},    // reading stops at the first other character
             Case{"-5 ", -5},   // a sign is read
             Case{"2.5", 2},    // the stored integer rounds halves to even
             Case{"3.5", 4},    //
             Case{"999", 999},  // the widest value
         }) {
        std::string bytes = BlankList();
        // Row 3's third line is record 4 x 3 + 3 = 15.
        Put(bytes, 15, 1,
            std::string("8") + c.field + "8" + c.field + "8" + c.field + "8" + c.field + "8");
        ListFixture f;
        f.Write(bytes);
        f.Read(kSunday);
        const AppState& st = f.app->st;
        EXPECT_EQ(st.SnackRangeA(3, 1), c.value) << c.field;
        EXPECT_EQ(st.SnackRangeA(3, 2), c.value) << c.field;
        EXPECT_EQ(st.SnackRangeB(3, 1), c.value) << c.field;
        EXPECT_EQ(st.SnackRangeB(3, 2), c.value) << c.field;
        EXPECT_EQ(st.SnackRangeA(2, 1), 0) << c.field;
        EXPECT_EQ(st.SnackRangeA(4, 1), 0) << c.field;
    }
}

TEST(DaySnackRecords, EveryCallStartsFromEmptyTables) {
    site::SnackTemplate full;
    for (auto& row : full.rows) {
        row.rangeALow = 1;
        row.rangeAHigh = 9;
        row.items[0] = {"a", "b", "c"};
    }
    site::SnackTemplate sixRows = full;
    for (std::size_t r = 6; r < 12; ++r) sixRows.rows[r] = site::SnackRow{};

    ListFixture f;
    f.Write(site::SnackTemplateBytes(full));
    f.Read(kSunday);
    ASSERT_EQ(f.app->st.SnackRangeA(12, 1), 1);

    // A list with six rows after a full one: rows 7-12 of the earlier day are gone.
    f.Write(site::SnackTemplateBytes(sixRows));
    f.Read(kSunday);
    EXPECT_EQ(f.app->st.SnackRangeA(6, 1), 1);
    EXPECT_EQ(f.app->st.SnackRangeA(7, 1), 0);
    EXPECT_EQ(f.app->st.SnackItems(7, 1), std::string(20, ' '));

    // No list, or a list named but missing: empty tables of the full size and no message, so
    // the labels of the day print without snack list items.
    for (const std::string& file : {std::string(), f.layout.SnackListPath(3)}) {
        f.Write(site::SnackTemplateBytes(full));
        f.Read(kSunday);
        f.app->st.SnackFile = file;
        EXPECT_NO_THROW(f.Read(kSunday.AddDays(1))) << file;
        const AppState& st = f.app->st;
        for (long r = 0; r <= 14; ++r) {
            for (long k = 0; k <= 3; ++k) EXPECT_EQ(st.SnackItems(r, k), "") << file << r << k;
            for (long k = 0; k <= 2; ++k) {
                EXPECT_EQ(st.SnackRangeA(r, k), 0) << file << r << k;
                EXPECT_EQ(st.SnackRangeB(r, k), 0) << file << r << k;
            }
        }
    }
    EXPECT_TRUE(f.tp.dialogs.asked.empty());
}

// Rows from the bytes themselves: the item is the 20 bytes at the day's column of the row's
// record, blanks where the file has ended; the code fields likewise.
std::string ItemIn(const std::string& bytes, std::size_t record, std::size_t column) {
    std::string item(20, ' ');
    const std::size_t at = (record - 1) * kLine + column - 1;
    if (at < bytes.size()) {
        const std::size_t n = std::min<std::size_t>(20, bytes.size() - at);
        item.replace(0, n, bytes, at, n);
    }
    return item;
}

TEST(DaySnackRecords, DamagedAndCutListsReadAsTheirBytesAndBlanks) {
    site::SnackTemplate t;
    for (std::size_t r = 0; r < 12; ++r) {
        t.rows[r].rangeALow = static_cast<int>(r + 1);
        t.rows[r].rangeAHigh = 50;
        for (auto& day : t.rows[r].items) day = {"Pudding", "Crackers", "Juice 4 oz"};
    }
    const std::string valid = site::SnackTemplateBytes(t);
    const std::string noise = "0123456789 -.+eE\xB3\xC4\r\n\xFE";
    std::mt19937 rng(4606);
    ListFixture f;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = valid.substr(0, rng() % (valid.size() + 1));
        for (unsigned n = rng() % 60; n > 0 && !bytes.empty(); --n) {
            char& b = bytes[rng() % bytes.size()];
            b = rng() % 2 ? noise[rng() % noise.size()] : static_cast<char>(rng() % 256);
        }
        f.Write(bytes);
        const int weekday = round % 7 + 1;
        ASSERT_NO_THROW(f.Read(kSunday.AddDays(weekday - 1))) << round;
        const AppState& st = f.app->st;
        const std::size_t column = site::SnackDayColumn(weekday);
        for (std::size_t r = 1; r <= 12; ++r) {
            const std::size_t first = 4 * r + 1;
            for (std::size_t k = 1; k <= 3; ++k) {
                EXPECT_EQ(st.SnackItems(static_cast<long>(r), static_cast<long>(k)),
                          ItemIn(bytes, first + k - 1, column))
                    << "round " << round << " row " << r;
            }
            const std::string third = ItemIn(bytes, first + 2, 1);
            EXPECT_EQ(st.SnackRangeA(static_cast<long>(r), 1), CInt(Val(third.substr(1, 3))));
            EXPECT_EQ(st.SnackRangeB(static_cast<long>(r), 2), CInt(Val(third.substr(13, 3))));
        }
    }
}

}  // namespace
}  // namespace vt::test

#include "platform/date.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/clock.h"

namespace vt {
namespace {

TEST(Date, DefaultIsTheZeroDate) {
    EXPECT_EQ(Date().Text(), "12-30-1899");
    EXPECT_EQ(Date(), Date(1899, 12, 30));
}

TEST(Date, FromTextAcceptsRealDaysOnly) {
    const struct {
        const char* text;
        bool valid;
        const char* why;
    } cases[] = {
        {"02-29-2000", true, "2000 is a leap year (divisible by 400)"},
        {"02-29-1900", false, "1900 is not (divisible by 100, not by 400)"},
        {"02-29-2008", true, "ordinary leap year"},
        {"02-29-2007", false, "not a leap year"},
        {"04-31-2008", false, "April has 30 days"},
        {"13-01-2008", false, "no month 13"},
        {"00-10-2008", false, "no month 0"},
        {"01-00-2008", false, "no day 0"},
        {"12-31-9999", true, "the last day allowed"},
        {"01-01-0100", true, "the first year allowed"},
        {"12-31-0099", false, "before the year 100"},
        {"03/15/2024", true, "slashes as separators"},
        {"03-15/2024", false, "mixed separators"},
        {"3-15-2024", false, "not ten characters"},
        {"03-15-24", false, "short year form is not read"},
        {"03-15-2024 ", false, "trailing blank makes it eleven characters"},
        {"0a-15-2024", false, "letter in the month"},
        {" 3-15-2024", false, "blank instead of a digit"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Date::FromText(c.text).has_value(), c.valid) << c.text << ": " << c.why;
    }
    const std::optional<Date> date = Date::FromText("03/15/2024");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year(), 2024);
    EXPECT_EQ(date->month(), 3u);
    EXPECT_EQ(date->day(), 15u);
}

TEST(Date, ConstructorRefusesImpossibleDays) {
    EXPECT_THROW(Date(2007, 2, 29), std::out_of_range);
    EXPECT_THROW(Date(99, 12, 31), std::out_of_range);
    EXPECT_THROW(Date(10000, 1, 1), std::out_of_range);
    EXPECT_THROW(Date(2024, 0, 1), std::out_of_range);
}

TEST(Date, AddDaysCrossesMonthYearAndLeapDays) {
    const struct {
        Date from;
        long long n;
        const char* expected;
    } cases[] = {
        {Date(2024, 1, 31), 1, "02-01-2024"},   // month end
        {Date(2023, 12, 31), 1, "01-01-2024"},  // year end
        {Date(2024, 2, 28), 1, "02-29-2024"},   // leap year has the 29th
        {Date(2023, 2, 28), 1, "03-01-2023"},   // other years do not
        {Date(1900, 2, 28), 1, "03-01-1900"},   // century not divisible by 400
        {Date(2000, 2, 28), 1, "02-29-2000"},   // century divisible by 400
        {Date(2024, 3, 1), -1, "02-29-2024"},   // backwards
        {Date(2024, 1, 1), 366, "01-01-2025"},  // a leap year is 366 days
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.from.AddDays(c.n).Text(), c.expected) << c.from.Text() << " + " << c.n;
    }
}

TEST(Date, AddDaysOutsideTheAllowedYearsThrows) {
    EXPECT_THROW(Date(9999, 12, 31).AddDays(1), std::out_of_range);
    EXPECT_THROW(Date(100, 1, 1).AddDays(-1), std::out_of_range);
    EXPECT_THROW(Date().AddDays(1'000'000'000'000LL), std::out_of_range);
    EXPECT_THROW(Date().AddDays(-9'000'000'000'000'000'000LL), std::out_of_range);
}

TEST(Date, TextForms) {
    const Date date(2009, 7, 4);
    EXPECT_EQ(date.Text(), "07-04-2009");
    EXPECT_EQ(date.ShortText(), "07-04-09");
    EXPECT_EQ(Date(100, 1, 2).ShortText(), "01-02-00");
    EXPECT_EQ(Date(100, 1, 2).Text(), "01-02-0100");
}

TEST(Date, WeekdaysStartOnSunday) {
    EXPECT_EQ(Date(2024, 3, 17).Weekday(), 1);  // a Sunday
    EXPECT_EQ(Date(2024, 3, 17).WeekdayName(), "Sun");
    EXPECT_EQ(Date(2024, 3, 23).Weekday(), 7);  // the Saturday after
    EXPECT_EQ(Date(2024, 3, 23).WeekdayName(), "Sat");
    EXPECT_EQ(Date().WeekdayName(), "Sat");  // 12-30-1899 was a Saturday
}

TEST(Date, WeekdayNamesOutsideOneToSevenAreSunday) {
    const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(WeekdayName(i), names[i - 1]);
    EXPECT_EQ(WeekdayName(0), "Sun");
    EXPECT_EQ(WeekdayName(8), "Sun");
    EXPECT_EQ(WeekdayName(-1), "Sun");
}

TEST(SystemClock, TodayIsTheLocalCalendarDay) {
    // Compared with the C library's own reading of the local day; the second reading guards
    // against midnight passing between the calls.
    const auto localDay = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return Date(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                    static_cast<unsigned>(local.tm_mday));
    };
    const Date before = localDay();
    const Date today = SystemClock().Today();
    const Date after = localDay();
    EXPECT_TRUE(today == before || today == after);
}

}  // namespace
}  // namespace vt

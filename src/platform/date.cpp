#include "platform/date.h"

#include <array>
#include <cstdio>

namespace vt {

namespace {

namespace chr = std::chrono;
using chr::sys_days;
using chr::year_month_day;

bool InYearRange(const year_month_day& ymd) {
    return ymd.year() >= chr::year(Date::kMinYear) && ymd.year() <= chr::year(Date::kMaxYear);
}

sys_days CheckedDays(sys_days days) {
    if (!InYearRange(year_month_day(days))) {
        throw std::out_of_range("date outside the years 100 to 9999");
    }
    return days;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of a run of digits; the caller has checked that they are digits.
int Digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

Date::Date() : days_(chr::year(1899) / 12 / 30) {}

Date::Date(int y, unsigned m, unsigned d) {
    const year_month_day ymd{chr::year(y), chr::month(m), chr::day(d)};
    if (!ymd.ok() || !InYearRange(ymd)) {
        throw std::out_of_range("not a day: " + std::to_string(m) + "-" + std::to_string(d) + "-" +
                                std::to_string(y));
    }
    days_ = sys_days(ymd);
}

Date::Date(sys_days days) : days_(CheckedDays(days)) {}

std::optional<Date> Date::FromText(std::string_view text) {
    if (text.size() != 10) return std::nullopt;
    const char separator = text[2];
    if ((separator != '-' && separator != '/') || text[5] != separator) return std::nullopt;
    for (const std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!IsDigit(text[i])) return std::nullopt;
    }
    const year_month_day ymd{chr::year(Digits(text, 6, 4)),
                             chr::month(static_cast<unsigned>(Digits(text, 0, 2))),
                             chr::day(static_cast<unsigned>(Digits(text, 3, 2)))};
    if (!ymd.ok() || !InYearRange(ymd)) return std::nullopt;
    return Date(sys_days(ymd));
}

int Date::year() const {
    return static_cast<int>(year_month_day(days_).year());
}
unsigned Date::month() const {
    return static_cast<unsigned>(year_month_day(days_).month());
}
unsigned Date::day() const {
    return static_cast<unsigned>(year_month_day(days_).day());
}

Date Date::AddDays(long long n) const {
    // The whole allowed range is about 3.6 million days; checking first keeps a wild count
    // from overflowing the day counter.
    constexpr long long kSpan = 4'000'000;
    if (n > kSpan || n < -kSpan) throw std::out_of_range("date outside the years 100 to 9999");
    return Date(days_ + chr::days(n));
}

std::string Date::Text() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02u-%02u-%04d", month(), day(), year());
    return buffer;
}

std::string Date::ShortText() const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02u-%02u-%02d", month(), day(), year() % 100);
    return buffer;
}

int Date::Weekday() const {
    return static_cast<int>(chr::weekday(days_).c_encoding()) + 1;
}

std::string Date::WeekdayName() const {
    return vt::WeekdayName(Weekday());
}

std::string WeekdayName(int weekday) {
    static constexpr std::array<const char*, 7> kNames = {"Sun", "Mon", "Tue", "Wed",
                                                          "Thu", "Fri", "Sat"};
    if (weekday < 1 || weekday > 7) return kNames[0];
    return kNames[static_cast<std::size_t>(weekday - 1)];
}

}  // namespace vt

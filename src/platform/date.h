#pragma once
// A calendar day, with the text forms the program stores and prints.
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vt {

class Date {
  public:
    // The earliest and latest days a date may hold (years 100 to 9999).
    static constexpr int kMinYear = 100;
    static constexpr int kMaxYear = 9999;

    Date();                                        // 12-30-1899, the zero date
    Date(int year, unsigned month, unsigned day);  // throws std::out_of_range if not a real day
    explicit Date(std::chrono::sys_days days);

    // "mm-dd-yyyy" (also "/" as separator); nullopt unless it names a real day.
    static std::optional<Date> FromText(std::string_view mmddyyyy);

    int year() const;
    unsigned month() const;
    unsigned day() const;
    std::chrono::sys_days days() const { return days_; }

    // Whole days later (or earlier); throws std::out_of_range outside years 100..9999.
    Date AddDays(long long n) const;

    std::string Text() const;         // "mm-dd-yyyy"
    std::string ShortText() const;    // "mm-dd-yy"
    int Weekday() const;              // 1 = Sunday .. 7 = Saturday
    std::string WeekdayName() const;  // "Sun" .. "Sat"

    // clang-tidy 14 takes the defaulted comparison's 0 for a null pointer.
    friend auto operator<=>(const Date&, const Date&) = default;  // NOLINT(modernize-use-nullptr)
    friend bool operator==(const Date&, const Date&) = default;

  private:
    std::chrono::sys_days days_;
};

// "Sun" .. "Sat" for 1..7; any other number counts as Sunday.
std::string WeekdayName(int weekday);

}  // namespace vt

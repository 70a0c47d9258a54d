#include "settings/date_check.h"

#include "platform/numbers.h"
#include "platform/text.h"

namespace vt {
namespace {

bool IsDigit(const std::string& s, std::size_t position) {
    const std::string c = Mid(s, position, 1);
    return c.size() == 1 && c[0] >= '0' && c[0] <= '9';
}

// February has 29 days in years divisible by 4, except centuries not divisible by 400: a
// 02-29-2100 would otherwise pass the check and fail as a calendar date later.
double DaysInMonth(double month, double year) {
    if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
    if (month != 2) return 31;
    const long y = static_cast<long>(year);
    const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
    return leap ? 29 : 28;
}

}  // namespace

CheckedDate CkDate(std::string text) {
    CheckedDate checked{std::move(text)};
    std::string& d = checked.text;
    const double month = Val(Mid(d, 1, 2));
    if (d.size() >= 3) d[2] = '-';
    if (d.size() >= 6) d[5] = '-';
    if (month < 1 || month > 12) return checked;
    const double year = Val(Mid(d, 7, 4));
    const double day = Val(Mid(d, 4, 2));
    checked.valid = day >= 1 && day <= DaysInMonth(month, year) && year >= 2000 && IsDigit(d, 2) &&
                    IsDigit(d, 5) && IsDigit(d, 8);
    return checked;
}

}  // namespace vt

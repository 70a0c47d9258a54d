#include "platform/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace vt {

namespace {

bool IsIgnoredInNumber(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// from_chars and to_chars are used throughout because they ignore the C locale: the Qt program
// sets LC_NUMERIC from the environment, and a German locale would otherwise read and write
// "4,85".
double ParseDecimal(const std::string& digits, bool negative) {
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Hundreds of digits: too large for a double (or, after a long run of zeros behind the
        // point, too small). Keep it finite so that a later whole-number conversion reports an
        // overflow instead of carrying infinity around.
        const bool tooSmall = digits.find_first_of("123456789") > digits.find('.');
        value = tooSmall ? 0.0 : std::numeric_limits<double>::max();
    } else if (error != std::errc{}) {
        value = 0;
    }
    if (value == 0) return 0.0;  // "-0" and "-" read as plain 0
    return negative ? -value : value;
}

std::string WithoutLeadingZero(std::string text) {
    // "0.5" -> ".5", "-0.5" -> "-.5": the stored files write fractions that way.
    const std::size_t at = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (text.size() > at + 1 && text[at] == '0' && text[at + 1] == '.') text.erase(at, 1);
    return text;
}

// to_chars writes "1e+15"; the text form of a number writes "1E+15".
std::string UpperExponent(std::string text) {
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    return text;
}

template <typename T>
std::string ShortestText(T value, int significantDigits) {
    if (value == 0) return "0";  // also -0
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, significantDigits);
    return WithoutLeadingZero(UpperExponent(std::string(buffer, result.ptr)));
}

// Halves go to the even neighbour (banker's rounding), independently of the FPU rounding mode.
double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;  // exact for every double
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

template <typename Int>
Int RoundToInt(double value, const char* typeName) {
    if (std::isnan(value)) throw OverflowError(std::string("overflow: NaN to ") + typeName);
    const double rounded = RoundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        throw OverflowError("overflow: " + ShortestText(value, 15) + " to " + typeName);
    }
    return static_cast<Int>(rounded);
}

}  // namespace

double Val(std::string_view text) {
    bool negative = false;
    bool sawSign = false;
    bool sawPoint = false;
    bool sawDigit = false;
    std::string digits;
    for (const char c : text) {
        if (IsIgnoredInNumber(c)) continue;
        if ((c == '+' || c == '-') && !sawSign && !sawDigit && !sawPoint) {
            sawSign = true;
            negative = c == '-';
        } else if (IsDigit(c)) {
            sawDigit = true;
            digits += c;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
            digits += c;
        } else {
            break;
        }
    }
    if (!sawDigit) return 0.0;
    return ParseDecimal(digits, negative);
}

std::string NumText(double value) {
    return ShortestText(value, 15);
}

std::string NumTextSingle(float value) {
    return ShortestText(value, 7);
}

std::int16_t CInt(double value) {
    return RoundToInt<std::int16_t>(value, "Integer");
}

std::int32_t CLng(double value) {
    return RoundToInt<std::int32_t>(value, "Long");
}

}  // namespace vt

#pragma once
// Number reading and writing as the data files and text boxes hold them.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vt {

// A whole-number conversion that does not fit its integer type.
class OverflowError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Lenient number reading: blanks, tabs and line feeds are ignored wherever they stand; then an
// optional sign, digits, at most one decimal point with its fraction; reading stops at the first
// other character. No leading number gives 0.
double Val(std::string_view text);

// A number as decimal text without the leading blank a non-negative number's text form
// carries: 12 -> "12", -5 -> "-5", 4.85 -> "4.85", 0.5 -> ".5" (the stored files write
// fractions below one without a leading zero).
std::string NumText(double value);
// The same for a single-precision value: at most 7 significant digits, as such a value prints.
std::string NumTextSingle(float value);

// Round to the nearest whole number, halves to the even neighbour; out of range throws
// OverflowError.
std::int16_t CInt(double value);
std::int32_t CLng(double value);

}  // namespace vt

#pragma once
// Writing numbers into the fixed-width fields of the settings files.
#include <cstddef>
#include <optional>
#include <string>

namespace vt {

// A number rounded to a whole number (halves to even), as text without a leading blank; with
// keepSign = false a negative number is written as its digits alone. nullopt when the text
// would not fit in `width` columns: a cut number would read back as another number.
std::optional<std::string> WholeNumberText(double value, std::size_t width, bool keepSign = true);

}  // namespace vt

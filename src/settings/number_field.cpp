#include "settings/number_field.h"

#include <cmath>

#include "platform/numbers.h"

namespace vt {

std::optional<std::string> WholeNumberText(double value, std::size_t width, bool keepSign) {
    if (!keepSign) value = std::fabs(value);
    if (!(std::fabs(value) < 1e15)) return std::nullopt;  // beyond any field, NaN too
    std::string text = NumText(std::nearbyint(value));
    if (text == "-0") text = "0";
    if (text.size() > width) return std::nullopt;
    return text;
}

}  // namespace vt

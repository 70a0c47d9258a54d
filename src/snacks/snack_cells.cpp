#include "snacks/snack_cells.h"

#include <algorithm>

namespace vt {
namespace {

// The border is looked for in the 50 characters from the cursor on: longer than any cell.
constexpr long kBorderReach = 50;

unsigned char Code(char c) {
    return static_cast<unsigned char>(c);
}

// Characters from `at` up to the closing border, when that run may be shifted: it holds only
// editable characters and is at least two long (a lone last character is changed by typing
// over it, not by a shift). 0 otherwise.
std::size_t ShiftableRun(const std::string& text, long at) {
    if (at < 0 || static_cast<std::size_t>(at) >= text.size()) return 0;
    const auto start = static_cast<std::size_t>(at);
    const std::size_t end = std::min(text.size(), start + kBorderReach);
    for (std::size_t i = start; i < end; ++i) {
        if (IsCellBorder(text[i])) return i - start >= 2 ? i - start : 0;
        if (!IsEditable(text[i])) return 0;
    }
    return 0;
}

}  // namespace

bool IsEditable(char c) {
    return Code(c) >= 32 && Code(c) <= 126;
}

bool IsCellBorder(char c) {
    return Code(c) == 179 || Code(c) == 186 || Code(c) == 192;
}

bool IsTabStop(char c) {
    return Code(c) == 179;
}

bool IsRule(char c) {
    return Code(c) == 196 || Code(c) == 197;
}

bool ShiftCellRight(std::string& text, long at, char typed) {
    const std::size_t run = ShiftableRun(text, at);
    if (run == 0) return false;
    const auto first = text.begin() + at;
    std::copy_backward(first, first + static_cast<long>(run) - 1, first + static_cast<long>(run));
    *first = typed;
    return true;
}

bool ShiftCellLeft(std::string& text, long at) {
    const std::size_t run = ShiftableRun(text, at);
    if (run == 0) return false;
    const auto first = text.begin() + at;
    std::copy(first + 1, first + static_cast<long>(run), first);
    *(first + static_cast<long>(run) - 1) = ' ';
    return true;
}

}  // namespace vt

#include <algorithm>

#include "platform/text.h"
#include "residents/resident_data.h"

namespace vt {
namespace {

constexpr char kEqualsMark = '\xFE';  // prints as "="

// A diet code lies in the row's range [low, high]; with no low end (below 1) nothing is
// tested, and codes below 1 are never tested. The row matches only when its low end is set.
bool RangeCovers(const std::array<Int16, 4>& codes, const VbTable<Int16>& range, long row) {
    const Int16 low = range(row, 1);
    const Int16 high = range(row, 2);
    for (const Int16 code : codes) {
        if (low >= 1 && code >= 1 && (code < low || code > high)) return false;
    }
    return low != 0;
}

bool Contains(const std::string& line, const std::string& mark) {
    return !mark.empty() && line.find(mark) != std::string::npos;
}

bool AnyDietCode(const std::array<Int16, 4>& codes, Int16 code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

Int16 MarkLine(const AppState& st, std::string& line, Int16 copies) {
    for (;;) {
        if (Contains(line, st.TwoCopyMark)) copies = 1;
        if (Contains(line, st.ThreeCopyMark)) copies = 2;
        // A 0xFE in the first place ends the replacement, later ones included.
        const std::size_t p = InStr(line, std::string(1, kEqualsMark));
        if (p < 2) return copies;
        line[p - 1] = '=';
    }
}

std::optional<std::array<std::string, 3>> FollowSnackList(const AppState& st,
                                                          const std::array<Int16, 4>& dietCodes,
                                                          bool mechanicalSoft, bool pureed) {
    long row = 0;
    for (long r = 1; r <= 12 && row == 0; ++r) {
        if (RangeCovers(dietCodes, st.SnackRangeA, r) ||
            RangeCovers(dietCodes, st.SnackRangeB, r)) {
            row = r;
        }
    }
    if (row == 0) return std::nullopt;

    std::string texture;
    if (AnyDietCode(dietCodes, 2) || mechanicalSoft) texture = "MECHSOFT: ";
    if (AnyDietCode(dietCodes, 3) || pureed) texture = "PUREED: ";
    std::array<std::string, 3> lines;
    for (long k = 1; k <= 3; ++k) lines[std::size_t(k - 1)] = texture + st.SnackItems(row, k);
    return lines;
}

}  // namespace vt

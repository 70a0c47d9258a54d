#include "platform/text.h"
#include "residents/resident_data.h"

namespace vt {
namespace {

constexpr char kEqualsMark = '\xFE';  // prints as "="

// A diet code lies in the row's range [low, high]; with no low end (below 1) nothing is
// tested, and codes below 1 are never tested. The row matches only when its low end is set.
bool RangeCovers(const AppState& st, const VbTable<Int16>& range, long row) {
    const Int16 low = range(row, 1);
    const Int16 high = range(row, 2);
    for (long i = 1; i <= 4; ++i) {
        const Int16 code = st.DietCodes(i);
        if (low >= 1 && code >= 1 && (code < low || code > high)) return false;
    }
    return low != 0;
}

bool Contains(const std::string& line, const std::string& mark) {
    return !mark.empty() && line.find(mark) != std::string::npos;
}

bool AnyDietCode(const AppState& st, Int16 code) {
    for (long i = 1; i <= 4; ++i) {
        if (st.DietCodes(i) == code) return true;
    }
    return false;
}

}  // namespace

void MarkLine(App& app, std::string& line, int period) {
    Int16& copies = app.st.PeriodCopies(period);
    for (;;) {
        if (Contains(line, app.st.TwoCopyMark)) copies = 1;
        if (Contains(line, app.st.ThreeCopyMark)) copies = 2;
        // A 0xFE in the first place ends the replacement, later ones included.
        const std::size_t p = InStr(line, std::string(1, kEqualsMark));
        if (p < 2) return;
        line[p - 1] = '=';
    }
}

void FollowSnackList(App& app, bool mechanicalSoft, bool pureed) {
    AppState& st = app.st;
    long row = 0;
    for (long r = 1; r <= 12 && row == 0; ++r) {
        if (RangeCovers(st, st.SnackRangeA, r) || RangeCovers(st, st.SnackRangeB, r)) row = r;
    }
    if (row == 0) return;

    st.TexturePrefix = "";
    if (AnyDietCode(st, 2) || mechanicalSoft) st.TexturePrefix = "MECHSOFT: ";
    if (AnyDietCode(st, 3) || pureed) st.TexturePrefix = "PUREED: ";
    for (long k = 1; k <= 3; ++k) st.PeriodNourish4(k) = st.TexturePrefix + st.SnackItems(row, k);
}

}  // namespace vt

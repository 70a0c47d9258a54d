#include "printing/day_snack_table.h"

#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/text.h"

namespace vt {
namespace {

constexpr std::size_t kRecordLength = 166;
constexpr std::size_t kItemWidth = 20;
constexpr int kRows = 12;

Int16 RangeEnd(const std::string& record, std::size_t start) {
    return CInt(Val(Mid(record, start, 3)));
}

}  // namespace

void ReadDaySnacks(App& app) {
    AppState& st = app.st;
    st.SnackItems.ReDim(0, 14, 0, 3);
    st.SnackRangeA.ReDim(0, 14, 0, 2);
    st.SnackRangeB.ReDim(0, 14, 0, 2);

    // Without a snack list (no template was found for it) the table stays empty: residents who
    // follow the list keep their own lines, and every other label prints as usual.
    if (st.SnackFile.empty() || !app.os.drives.FileExists(st.SnackFile)) return;

    RecordFile file(app.os.drives, st.SnackFile, kRecordLength, RecordFile::Mode::Read);
    const std::size_t start = 18 + 21 * static_cast<std::size_t>(st.LabelDate.Weekday() - 1);
    for (int r = 1; r <= kRows; ++r) {
        const std::uint64_t n = 4 * static_cast<std::uint64_t>(r) + 1;
        for (int k = 1; k <= 3; ++k)
            st.SnackItems(r, k) = Mid(file.Read(n + k - 1), start, kItemWidth);
        const std::string third = file.Read(n + 2);
        st.SnackRangeA(r, 1) = RangeEnd(third, 2);
        st.SnackRangeA(r, 2) = RangeEnd(third, 6);
        st.SnackRangeB(r, 1) = RangeEnd(third, 10);
        st.SnackRangeB(r, 2) = RangeEnd(third, 14);
    }
}

}  // namespace vt

#include "residents/dining_file.h"

#include <algorithm>

#include "platform/record_file.h"
#include "platform/text.h"

namespace vt {
namespace {
constexpr std::size_t kRecordLength = 48;
constexpr std::uint64_t kSearchedRecords = 200;
}  // namespace

void GetDining(App& app) {
    AppState& st = app.st;
    st.DiningFound = "";
    st.WorkPath = st.SetupTable(39) + "\\dining." + st.StationCode;
    // The dining file belongs to the records system: a missing one finds nothing and is not
    // created here.
    if (!app.os.drives.FileExists(st.WorkPath)) return;
    RecordFile file(app.os.drives, st.WorkPath, kRecordLength, RecordFile::Mode::Read);
    // Records past the end read as blanks and match no trimmed code: stop at the end.
    const std::uint64_t last = std::min(kSearchedRecords, file.RecordCount());
    for (std::uint64_t n = 1; n <= last; ++n) {
        const std::string record = file.Read(n);
        // The stored code keeps its blanks, so a code shorter than three characters never
        // matches the trimmed one looked up.
        st.FoundFile = UCase(Mid(record, 5, 3));
        if (st.FoundFile == st.WorkText) {
            st.DiningFound = Mid(record, 9, 38);
            return;
        }
    }
}

}  // namespace vt

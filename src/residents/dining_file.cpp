#include "residents/dining_file.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/file_error.h"
#include "platform/record_file.h"
#include "platform/text.h"

namespace vt {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t kRecordLength = 48;
constexpr std::uint64_t kSearchedRecords = 200;
constexpr auto kQuiet = std::chrono::seconds(2);

// The searched records of a dining file.
using DiningTable = std::vector<std::string>;

// nullopt when the file went missing before it could be opened: the records system deletes
// it and writes it anew, and a file gone meanwhile finds nothing, as a missing one does.
std::optional<DiningTable> ReadDiningTable(const Drives& drives, const std::string& path) {
    try {
        RecordFile file(drives, path, kRecordLength, RecordFile::Mode::Read);
        // Records past the end read as blanks and match no trimmed code: stop at the end.
        const std::uint64_t last = std::min(kSearchedRecords, file.RecordCount());
        DiningTable table;
        for (std::uint64_t n = 1; n <= last; ++n) table.push_back(file.Read(n));
        return table;
    } catch (const MissingFile&) {
        return std::nullopt;
    }
}

// Three lookups a resident read the same file: it is read again only when it has changed (by
// size or time; a file changed in the last moments is always read again).
const DiningTable& LoadDiningTable(const Drives& drives, const std::string& path) {
    struct Kept {
        fs::path host;
        std::uintmax_t size = 0;
        fs::file_time_type modified;
        DiningTable table;
    };
    static Kept kept;
    static const DiningTable kNone;
    const std::optional<fs::path> found = drives.Resolve(path);
    if (!found) return kNone;  // gone since GetDining looked: as a missing file
    const fs::path& host = *found;
    std::error_code error;
    const std::uintmax_t size = fs::file_size(host, error);
    const fs::file_time_type modified = fs::last_write_time(host, error);
    const bool settled = !error && fs::file_time_type::clock::now() - modified > kQuiet;
    if (settled && kept.host == host && kept.size == size && kept.modified == modified) {
        return kept.table;
    }
    std::optional<DiningTable> table = ReadDiningTable(drives, path);
    if (!table) return kNone;
    kept = Kept{host, size, modified, std::move(*table)};
    if (!settled) kept.host.clear();  // used this once, read again next time
    return kept.table;
}

}  // namespace

void GetDining(App& app) {
    AppState& st = app.st;
    st.DiningFound = "";
    st.WorkPath = st.SetupTable(39) + "\\dining." + st.StationCode;
    // The dining file belongs to the records system: a missing one finds nothing and is not
    // created here.
    if (!app.os.drives.FileExists(st.WorkPath)) return;
    const DiningTable& table = LoadDiningTable(app.os.drives, st.WorkPath);
    for (const std::string& record : table) {
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

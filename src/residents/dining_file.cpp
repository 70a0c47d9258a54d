#include "residents/dining_file.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "platform/file_error.h"
#include "platform/file_stamp.h"
#include "platform/record_file.h"
#include "platform/text.h"

namespace vt {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t kRecordLength = 48;
constexpr std::uint64_t kSearchedRecords = 200;

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

// Three lookups a resident read the same file: the drives object keeps its records while the
// file keeps the stamp it had before they were read. Empty when the file is gone.
std::shared_ptr<const DiningTable> LoadDiningTable(const Drives& drives, const std::string& path) {
    static const auto kNone = std::make_shared<const DiningTable>();
    const std::optional<fs::path> host = drives.Resolve(path);
    if (!host) return kNone;  // gone since GetDining looked: as a missing file
    const std::optional<FileStamp> stamp = StampOf(*host);
    if (!stamp) return kNone;
    if (auto kept = drives.RecordTables().Find(host->string(), *stamp)) return kept;
    std::optional<DiningTable> table = ReadDiningTable(drives, path);
    if (!table) return kNone;
    return drives.RecordTables().Keep(host->string(), *stamp, std::move(*table));
}

}  // namespace

std::string GetDining(const App& app, const std::string& code) {
    const AppState& st = app.st;
    const std::string path = st.SetupTable(39) + "\\dining." + st.StationCode;
    // The dining file belongs to the records system: a missing one finds nothing and is not
    // created here.
    if (!app.os.drives.FileExists(path)) return "";
    const std::shared_ptr<const DiningTable> table = LoadDiningTable(app.os.drives, path);
    for (const std::string& record : *table) {
        // The stored code keeps its blanks, so a code shorter than three characters never
        // matches the trimmed one looked up.
        if (UCase(Mid(record, 5, 3)) == code) return Mid(record, 9, 38);
    }
    return "";
}

}  // namespace vt

#include "printing/print_log.h"

#include <exception>
#include <filesystem>
#include <optional>

#include "platform/error_output.h"
#include "platform/file_error.h"
#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/record_lock.h"
#include "platform/text.h"

namespace vt {
namespace {

constexpr std::size_t kLineLength = 122;
constexpr std::size_t kEntries = 120;  // 40 entries of 3 characters
const std::string kFreshLine = std::string(kEntries, ' ') + "\r\n";

// One character per date part: the number plus 33, or "!" when the part is out of range.
char EntryChar(double value, double low, double high) {
    const bool ok = value >= low && value <= high && value == static_cast<int>(value);
    return static_cast<char>((ok ? static_cast<int>(value) : 0) + 33);
}

std::string LogEntry(const std::string& stationDate) {
    return {EntryChar(Val(Mid(stationDate, 1, 2)), 1, 12),
            EntryChar(Val(Mid(stationDate, 4, 2)), 1, 31),
            EntryChar(Val(Mid(stationDate, 7, 2)), 0, 99)};
}

constexpr std::uint64_t kCopyRecord = 903;  // the unit file's records 903 and 904

// The host file of a path the log writes (created if missing when it is written).
std::filesystem::path Target(App& app, const std::string& winPath) {
    const std::optional<std::filesystem::path> target = app.os.drives.Target(winPath);
    if (!target) throw FileError("cannot open " + winPath + ": the path is refused");
    return *target;
}

bool IsLogLine(const std::string& line) {
    const auto second = static_cast<unsigned char>(line[1]);
    return line.substr(120, 2) == "\r\n" && second >= 32 && second <= 65;
}

void WriteLog(App& app) {
    AppState& st = app.st;
    const std::string entry = LogEntry(st.StationDates(1));

    const std::string logPath = st.SetupTable(23) + "\\setup\\L1." + st.StationCode;
    // Another run (a second station, a second start) extends the same line: the whole log is
    // locked from before its length is taken until the line is written back.
    const RecordLock logLock(Target(app, logPath), 0, 0);
    RecordFile log(app.os.drives, logPath, kLineLength);
    const std::uintmax_t lengthBefore = log.SizeBytes();
    std::uint64_t r = lengthBefore == 0 ? 1 : (lengthBefore - 1) / kLineLength + 1;
    st.LogLine = log.Read(r);
    if (!IsLogLine(st.LogLine)) st.LogLine = kFreshLine;
    // The entry goes at the line's first blank. A line without one holds its 40 entries; one
    // whose first blank leaves no room for a whole entry before the line end (a damaged line)
    // takes none either: the entry would cover the line end.
    std::size_t p = InStr(st.LogLine, " ");
    if (p == 0 || p - 1 + entry.size() > kEntries) {  // the next line
        st.LogLine = kFreshLine;
        ++r;
        p = 1;
    }
    st.LogLine.replace(p - 1, 3, entry);
    log.Write(r, st.LogLine);
    st.LogHeader = log.Read(1);

    const std::string unitPath = st.SetupTable(40) + "\\sfl1." + st.StationCode;
    const RecordLock unitLock(Target(app, unitPath), kCopyRecord * kLineLength - kLineLength,
                              2 * kLineLength);
    RecordFile unit1(app.os.drives, unitPath, kLineLength);
    unit1.Write(903, st.LogHeader);
    unit1.Write(904, st.LogLine);

    // A backup longer than the log was before this entry is kept: the log itself was cut.
    st.LogBackupPath = st.SetupTable(35) + "\\misc\\v1.1";
    const auto backupLength = app.os.drives.FileLength(st.LogBackupPath);
    if (backupLength && *backupLength > lengthBefore) return;
    app.os.drives.Copy(logPath, st.LogBackupPath);
}

}  // namespace

void LogP(App& app) {
    if (app.st.PreviewMode == 1 || app.st.DryRun == 1) return;
    try {
        WriteLog(app);
    } catch (const std::exception& e) {
        // Logging stops at the failing step; the print run goes on. Whoever looks after the
        // station learns of the entry that is missing.
        TellErrorOutput(std::string("the print log entry was not written: ") + e.what());
    }
}

}  // namespace vt

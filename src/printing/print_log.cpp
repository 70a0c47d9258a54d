#include "printing/print_log.h"

#include <exception>

#include "platform/numbers.h"
#include "platform/record_file.h"
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

bool IsLogLine(const std::string& line) {
    const unsigned char second = static_cast<unsigned char>(line[1]);
    return line.substr(120, 2) == "\r\n" && second >= 32 && second <= 65;
}

void WriteLog(App& app) {
    AppState& st = app.st;
    const std::string entry = LogEntry(st.StationDates(1));

    const std::string logPath = st.SetupTable(23) + "\\setup\\L1." + st.StationCode;
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

    RecordFile unit1(app.os.drives, st.SetupTable(40) + "\\sfl1." + st.StationCode, kLineLength);
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
    } catch (const std::exception&) {
        // Logging stops at the failing step; the print run goes on.
    }
}

}  // namespace vt

#include "printing/run_report_file.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <system_error>
#include <vector>

#include "platform/drives.h"
#include "platform/file_error.h"
#include "printing/run_report_text.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kReportsKept = 500;
constexpr const char* kPrefix = "labels-";

// "labels-<yyyymmdd-hhmmss>": the PDF file's own name when the run wrote one, so that the two
// go together; else the local time now.
std::string BaseName(const RunReport& report) {
    const fs::path output(report.output);
    const std::string stem = output.stem().string();
    if (output.extension() == ".pdf" && stem.rfind(kPrefix, 0) == 0) return stem;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return kPrefix + std::string(stamp);
}

bool IsReport(const fs::path& path) {
    const std::string name = path.filename().string();
    return name.rfind(kPrefix, 0) == 0 && path.extension() == ".txt";
}

// The oldest reports beyond the newest 500 go; the names sort by their time. A report that
// cannot be removed stays: it costs only room.
void KeepNewest(const fs::path& folder) {
    std::error_code error;
    std::vector<fs::path> reports;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error) && IsReport(it->path())) reports.push_back(it->path());
    }
    if (reports.size() <= kReportsKept) return;
    std::sort(reports.begin(), reports.end());
    for (std::size_t i = 0; i + kReportsKept < reports.size(); ++i) fs::remove(reports[i], error);
}

}  // namespace

fs::path RunReportFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/') {
        return fs::path(state) / "vittlon" / "reports";
    }
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "state" / "vittlon" / "reports";
}

fs::path SaveRunReport(const RunReport& report, const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw FileError("the run report folder " + folder.string() +
                        " could not be made: " + error.message());
    }
    // Two runs in the same second (a PDF placed as "-2") keep both reports.
    const std::string base = BaseName(report);
    fs::path path = folder / (base + ".txt");
    for (int n = 2; fs::exists(path, error); ++n) {
        path = folder / (base + "-" + std::to_string(n) + ".txt");
    }
    WriteFileAtomically(path, RunReportText(report));
    KeepNewest(folder);
    return path;
}

}  // namespace vt

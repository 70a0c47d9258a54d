#include "printing/run_report_file.h"

#include <algorithm>
#include <regex>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_error.h"
#include "platform/private_file.h"
#include "platform/state_folder.h"
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
    std::string stem = output.stem().string();
    if (output.extension() == ".pdf" && stem.rfind(kPrefix, 0) == 0) return stem;
    return kPrefix + LocalTimeStamp();
}

// Only a name the program gives a report: a user's "labels-2019-inventory.txt" is not one.
bool IsReportName(const std::string& name) {
    static const std::regex report(R"(labels-\d{8}-\d{6}(-\d+)*\.txt)");
    return std::regex_match(name, report);
}

// The oldest reports beyond the newest 500 go; the names sort by their time. Only regular files
// are removed, never a link or what it points at. A report that cannot be removed stays: it
// costs only room.
void KeepNewest(const fs::path& folder) {
    std::error_code error;
    std::vector<fs::path> reports;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->symlink_status(error).type() == fs::file_type::regular &&
            IsReportName(it->path().filename().string())) {
            reports.push_back(it->path());
        }
    }
    if (reports.size() <= kReportsKept) return;
    std::sort(reports.begin(), reports.end());
    for (std::size_t i = 0; i + kReportsKept < reports.size(); ++i) fs::remove(reports[i], error);
}

}  // namespace

fs::path RunReportFolder() {
    return StateFolder("reports", "the run report");
}

fs::path SaveRunReport(const RunReport& report) {
    return SaveRunReport(report, RunReportFolder());
}

fs::path SaveRunReport(const RunReport& report, const fs::path& folder) {
    MakePrivateFolder(folder);
    // Two runs in the same second (a PDF placed as "-2") keep both reports.
    fs::path path = WriteNewPrivateFile(folder, BaseName(report), "txt", RunReportText(report));
    KeepNewest(folder);
    return path;
}

}  // namespace vt

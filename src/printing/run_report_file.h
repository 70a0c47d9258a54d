#pragma once
// The saved run reports: one text file per real print run, the newest 500 kept.
#include <filesystem>

#include "app/run_report.h"

namespace vt {

// Where reports are kept: $XDG_STATE_HOME/vittlon/reports, else ~/.local/state/vittlon/reports.
std::filesystem::path RunReportFolder();
// Save the report in the folder as "labels-<yyyymmdd-hhmmss>.txt", named like the run's PDF file
// when it wrote one, else after the time now; only the newest 500 reports are kept. Returns
// the file's path. Throws FileError when the file cannot be written.
std::filesystem::path SaveRunReport(const RunReport& report,
                                    const std::filesystem::path& folder = RunReportFolder());

}  // namespace vt

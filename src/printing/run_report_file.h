#pragma once
// The saved run reports: one text file per real print run, the newest 500 kept. They name
// residents, rooms and diets: only this user may read them.
#include <filesystem>

#include "app/run_report.h"

namespace vt {

// Where reports are kept: the user's state folder's "reports" ($XDG_STATE_HOME/vittlon/reports,
// else ~/.local/state/vittlon/reports). Throws FileError without a state folder.
std::filesystem::path RunReportFolder();
// Save the report in the folder (made private: mode 0700 where it is made, never a link or
// another's) as a new file of mode 0600 "labels-<yyyymmdd-hhmmss>.txt", named like the run's
// PDF file when it wrote one, else after the time now, with "-2", "-3", ... when the name is
// taken. Only the newest 500 reports are kept; nothing else in the folder is touched. Returns
// the file's path. Throws FileError when the file cannot be written.
std::filesystem::path SaveRunReport(const RunReport& report);
std::filesystem::path SaveRunReport(const RunReport& report, const std::filesystem::path& folder);

}  // namespace vt

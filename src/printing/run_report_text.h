#pragma once
// The run report as people read it: the report window, the saved file and an automatic run's
// standard output all show this text (UTF-8).
#include <string>

#include "app/run_report.h"

namespace vt {

// The whole report: the outcome and the output, the labels by unit and period, the residents
// who got no label by cause, the lines cut at their label's edge, what was not printed.
std::string RunReportText(const RunReport& report);
// The residents who got no label, by cause, and those with nothing ordered for a period: those
// parts of the whole report, under their headings.
std::string RunReportNoLabelText(const RunReport& report);
// One line for a status bar: "Printed 120 labels on 5 sheets to Vittlon PDF".
std::string RunReportSummary(const RunReport& report);
// Whether the report holds something someone must mend: a resident's data file that is missing,
// damaged or refused, a cut line, a barcode type that cannot be drawn.
bool RunReportNeedsAttention(const RunReport& report);

}  // namespace vt

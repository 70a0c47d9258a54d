#pragma once
// What kind of run the print run is: where its labels go, whose labels they are, where on the
// first sheet it starts and whether anyone watches. The run decides by this alone; the state's
// flags (PreviewMode, DryRun, UserLabelMode, AutoPrint) carry it only where the windows'
// handlers and the specified procedures meet the run.
#include <optional>

#include "app/app_state.h"
#include "app/run_report.h"
#include "platform/page_list.h"

namespace vt {

struct RunRequest {
    enum class Output {
        Preview,  // the first sheet into the preview box
        Printer,  // the current printer (or the PDF printer)
        Dry,      // the sheets a printer run would print, onto the caller's surface; writes
                  // nothing and asks nothing
    };
    Output output = Output::Printer;
    bool userLabels = false;  // free-text labels instead of the residents'
    long userLabelCount = 0;  // of those: how many; 0: as many as the periods and days make
    long startAtLabel = 1;    // the first sheet's cell to start at
    bool unattended = false;  // the command line's run: nobody to ask, it ends the program
    // A printer run that prints some of its sheets again: it draws every sheet and delivers
    // only these (every sheet when empty).
    PageList sheets;
    // A printer run that prints one label again, alone, in the start cell: the run goes only
    // through that label's day, period, unit and slot, and draws that label only.
    std::optional<LabelKey> onlyLabel;

    bool Preview() const { return output == Output::Preview; }
    bool Dry() const { return output == Output::Dry; }
    // Labels drawn for a printer, whether they go out (a printer run) or not (a dry run).
    bool Sheets() const { return output != Output::Preview; }
};

// The run the state's flags ask for, and the flags for a run.
RunRequest RunRequestOf(const AppState& st);
void PutRunRequest(AppState& st, const RunRequest& run);

}  // namespace vt

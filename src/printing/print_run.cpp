#include "printing/print_run.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "app/program_end.h"
#include "platform/barcode.h"
#include "platform/error_output.h"
#include "platform/file_error.h"
#include "platform/text.h"
#include "printing/expiration_date.h"
#include "printing/print_log.h"
#include "printing/print_run_loops.h"
#include "printing/run_report_file.h"
#include "printing/run_report_text.h"
#include "printing/sheet_cells.h"
#include "printing/sheet_geometry.h"
#include "settings/label_settings.h"

namespace vt {
namespace {

constexpr long kUserLinesPrinted = 6;
constexpr const char* kErrorMessage = "An Error Has Occurred while Printing Your Labels.";

// The preview shows the 10am labels (and tray labels) of unit 1 for one day.
void AdjustForPreview(AppState& st) {
    st.PeriodOn(1) = 1;
    for (int k = 2; k <= 4; ++k) st.PeriodOn(k) = 0;
    st.DaysToPrint = 1;
    st.FirstUnit = st.LastUnit = 1;
}

// Labels for today or a past day are printed only when the operator confirms.
bool DateConfirmed(App& app, const RunRequest& run) {
    AppState& st = app.st;
    if (run.Preview() || run.userLabels) return true;
    if (st.LabelDate > app.os.clock.Today()) return true;
    if (run.unattended && st.CommandLine.printTodayOrPast) return true;
    std::string shortDate = st.LabelDate.Text();
    shortDate[2] = shortDate[5] = '/';
    return app.os.dialogs.MsgBox(shortDate +
                                     " Label Date is for Today or in the Past.  Do You Still Want "
                                     "to Print ?",
                                 "Label Date May Not Be What You Want", MsgButtons::YesNo,
                                 2) == MsgAnswer::Yes;
}

// "the printers are "A", "B"", or why the print service could not be asked.
std::string InstalledPrinters(App& app) {
    std::string installed;
    for (const std::string& name : app.os.printers.Installed()) {
        installed += (installed.empty() ? "" : ", ") + ("\"" + name + "\"");
    }
    const std::string problem = app.os.printers.ServiceProblem();
    return "the printers are " + installed + (problem.empty() ? "" : " (" + problem + ")");
}

// The window comes back as it was before the run, whatever ended it.
void RestoreWindows(App& app) {
    app.form1.Form.Caption = app.st.SavedCaption;
    app.form2.Form.Caption = " [ EASY ] " + app.st.SavedCaption;
    if (app.st.SnackMenuOn == 1) app.form1.RichTextBox1.Visible = true;
}

// The command line's start date and printer replace the stored ones just read, for this run
// only: the settings were saved before, so nothing of them is stored. Its start cell and
// number of user-defined labels make the run's.
void ApplyCommandLine(App& app, RunRequest& run) {
    AppState& st = app.st;
    const CommandLineRun& line = st.CommandLine;
    if (line.startDate) {
        st.LabelDate = *line.startDate;
        st.LabelDateText = st.LabelDate.ShortText();
    }
    if (const long cells = SheetGeometry::Of(st).CellsPerSheet(); line.startAtLabel > cells) {
        throw FileError("the sheet has " + std::to_string(cells) + " labels: there is no label " +
                        std::to_string(line.startAtLabel) + " to start at");
    }
    run.startAtLabel = line.startAtLabel;
    run.sheets = line.sheets;
    if (line.userLabels > 0) {
        run.userLabels = true;
        run.userLabelCount = line.userLabels;
    }
    PutRunRequest(st, run);
    if (!line.printer.empty() && !app.os.printers.SetCurrent(line.printer)) {
        throw FileError("there is no printer named \"" + line.printer + "\"; " +
                        InstalledPrinters(app));
    }
    // A run nobody watches prints where it was told to, or not at all.
    if (line.printer.empty() && st.StoredPrinterMissing) {
        throw FileError("the printer of the settings, \"" + RTrim(st.PrinterName) +
                        "\", is not available; " + InstalledPrinters(app));
    }
}

// Every day of the run is a date its labels can carry; found before the first label is drawn.
// False when the command line's start date is the cause: the automatic run ends as misused.
bool RunDaysFit(App& app, const RunRequest& run) {
    AppState& st = app.st;
    const long days = std::max<long>(1, st.DaysToPrint);
    try {
        (void)st.LabelDate.AddDays(days - 1);
        return true;
    } catch (const std::out_of_range&) {
    }
    const std::string why = "the " + std::to_string(days) + " days of labels from " +
                            st.LabelDate.Text() + " go past the last date a label can carry, " +
                            "12-31-" + std::to_string(Date::kMaxYear);
    if (run.unattended && st.CommandLine.startDate) {
        RestoreWindows(app);
        EndProgramFailed(app, kExitBadUsage, "--date: " + why);
        return false;
    }
    throw FileError(why);
}

void PrepareSurface(App& app, const RunRequest& run) {
    AppState& st = app.st;
    st.PrintTarget =
        run.Preview() ? app.form1.Picture2 : &app.os.printers.AlignedPrinter(run.sheets);
    Surface& s = *st.PrintTarget;
    SetSheetPage(s, run.Sheets());
    // The label font is the one the main window carries on its "No Photo" box: a narrow font.
    s.SetFontName("CB1");
    s.SetFontBold(false);
    s.SetFontSize(9);
}

// The run report starts empty, with what is known before the first label: the printer, a
// barcode type that draws nothing, user label lines that are never printed.
void StartReport(App& app, const RunRequest& run) {
    AppState& st = app.st;
    st.Report = RunReport{};
    if (run.Sheets()) st.Report.printer = app.os.printers.CurrentName();
    st.Report.sheetsChosen = PageListText(run.sheets);
    if (run.onlyLabel) st.Report.againAtCell = FirstCell(SheetGeometry::Of(st), run.startAtLabel);
    if (st.BarcodeOn == 1 && st.BarcodeType != Barcod::kCode39 &&
        st.BarcodeType != Barcod::kCode128) {
        st.Report.undrawnBarcodeType = st.BarcodeType;
    }
    if (run.userLabels && st.UserLines.UBound() > kUserLinesPrinted &&
        !st.UserLines(kUserLinesPrinted + 1).empty()) {
        // The label shows six lines: every line of the text after the sixth is left off.
        std::size_t start = 0;
        for (long line = 1; line <= kUserLinesPrinted && start != std::string::npos; ++line) {
            start = st.ULabelText.find("\r\n", start);
            if (start != std::string::npos) start += 2;
        }
        while (start < st.ULabelText.size()) {
            std::size_t end = st.ULabelText.find("\r\n", start);
            if (end == std::string::npos) end = st.ULabelText.size();
            const std::string line = RTrim(st.ULabelText.substr(start, end - start));
            if (!line.empty()) st.Report.unprintedUserLines.push_back(line);
            start = end + 2;
        }
    }
}

// A real run's report is kept as a file; an automatic run also writes it to standard output.
// A report that cannot be saved costs nothing of the run: one line on the error output.
void FinishReport(App& app, const RunRequest& run) {
    const RunReport& report = app.st.Report;
    ++app.st.RunsReported;
    try {
        SaveRunReport(report);
    } catch (const FileError& e) {
        TellErrorOutput(std::string("the run report could not be saved: ") + e.what());
    }
    if (run.unattended) {
        const std::string text = RunReportText(report);
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }
}

// After the operator's Stop the program goes on: the next run starts afresh. A stop that ends
// the program stays.
void EndStop(App& app) {
    if (app.st.RunStopOnly != 1) return;
    app.st.RunStopOnly = 0;
    if (!app.os.events.QuitRequested()) app.st.StopRequested = 0;
}

// How far a run got: drawing labels for real, and its output ended (delivered or cancelled).
struct RunProgress {
    bool printing = false;
    bool ended = false;
};

// A real run's end: the output is delivered (the PDF file in place, the last page accepted by
// the print server) and only then logged. A stopped run (the operator's Stop, or the program
// ending) keeps nothing that can be taken back and logs nothing.
void EndOutput(App& app, const RunRequest& run, RunProgress& progress) {
    AppState& st = app.st;
    if (st.RunStopOnly == 1 || st.StopRequested == 1) {
        app.os.printers.RunCancelled();
        progress.ended = true;
        return;
    }
    if (run.Sheets()) st.PrintTarget->EndDoc();
    app.os.printers.RunEnded();
    progress.ended = true;
    LogP(app);
}

// What the run delivered, for its report.
void TakeOutput(App& app) {
    app.st.Report.output = app.os.printers.LastOutput();
    app.st.Report.sheetsDelivered = app.os.printers.LastDelivered();
}

// A run that prints some sheets, or one label, of a run again.
bool Reprint(const RunRequest& run) {
    return !run.sheets.Every() || run.onlyLabel.has_value();
}

// A reprint prints what it was asked for or fails: sheets past the run's last are no sheets of
// it (found once the run is drawn: the PDF file is then not kept). A label that is no longer
// in the run (its resident's file changed since it was shown) prints nothing, and says why.
void CheckReprint(App& app, const RunRequest& run) {
    RunReport& report = app.st.Report;
    if (run.sheets.Last() > report.sheets) {
        throw FileError("the run has " + std::to_string(report.sheets) + " sheet" +
                        (report.sheets == 1 ? "" : "s") + ": there is no sheet " +
                        std::to_string(run.sheets.Last()) + " to print");
    }
    if (run.onlyLabel && report.printed.empty()) {
        const LabelKey& label = *run.onlyLabel;
        report.nothingBecause =
            "the label (" +
            (label.key.empty() ? "user label " + std::to_string(label.slot)
                               : "resident " + label.key) +
            ", unit " + std::to_string(label.unit) + ", " + label.date +
            ") is no longer in the run: the resident's file or the settings changed since it "
            "was shown";
    }
}

void Run(App& app, RunRequest& run, RunProgress& progress) {
    AppState& st = app.st;
    PutRunRequest(st, run);
    app.form1.RichTextBox1.Visible = false;
    st.SavedCaption = app.form1.Form.Caption;
    if (run.Dry()) {
        GetSetAsSaved(app);
    } else {
        SaveSet(app);
        GetSet(app);
        if (run.unattended) ApplyCommandLine(app, run);
    }

    // What an untouched number of user-defined labels means, before the preview narrows the run.
    st.UserLabelsBySettings = static_cast<Int32>(UserLabelsAsPeriodsMake(st));
    if (run.Preview()) AdjustForPreview(st);
    if (st.BarcodeOn == 1) {
        st.NoFrame = 1;  // barcode labels never get frames
        app.form1.Check6.Value = 1;
    }
    // Labels are not printed from settings that were read only in part (the sheet geometry
    // could be missing); the preview still shows what was read.
    if (run.Sheets() && !st.SettingsFailure.empty()) {
        throw FileError("the label settings could not be read: " + st.SettingsFailure);
    }
    if (!DateConfirmed(app, run)) {
        RestoreWindows(app);
        if (run.unattended) {
            EndProgramFailed(app, kExitNothingPrinted,
                             "nothing printed: the label date " + st.LabelDate.Text() +
                                 " is today or in the past, and printing it was not confirmed");
        }
        return;
    }
    // Without a preview box (no window shown) there is nothing to preview.
    if (run.Preview() && app.form1.Picture2 == nullptr) {
        RestoreWindows(app);
        return;
    }
    st.MealIndex = 1;
    if (!RunDaysFit(app, run)) return;
    PrepareSurface(app, run);
    GetExpDate(app);
    if (st.LastUnit > st.UnitCount) st.LastUnit = st.UnitCount;
    StartAtCell(app, run);
    if (st.RoutineHS == 1 && run.Sheets()) st.PeriodOn(4) = 1;

    StartReport(app, run);
    st.Report.nothingBecause = NothingToPrintBecause(st, run);
    progress.printing = run.output == RunRequest::Output::Printer;
    st.Report.running = progress.printing;
    PrintDays(app, run);
    st.Report.running = false;
    if (st.StopRequested != 1) CheckReprint(app, run);

    const bool stopped = st.StopRequested == 1;
    EndOutput(app, run, progress);
    if (progress.printing) {
        TakeOutput(app);
        if (stopped) st.Report.outcome = RunReport::Outcome::Stopped;
        FinishReport(app, run);
        // The next run starts on a fresh sheet; a stopped run, or one that printed something
        // again, leaves the operator's cell.
        if (st.Report.outcome == RunReport::Outcome::Completed && !Reprint(run)) {
            st.StartAtLabel = 1;
        }
    }
    RestoreWindows(app);
    EndStop(app);
    if (run.unattended) {
        // A stop (the program asked to end) leaves labels unprinted: not a success.
        if (st.StopRequested == 1) {
            EndProgramFailed(app, kExitFailed, "the automatic run was stopped before its end");
        } else if (st.Report.Labels() == 0) {
            const std::string& because = st.Report.nothingBecause;
            EndProgramFailed(
                app, kExitNothingPrinted,
                "nothing printed: " + (because.empty() ? "no resident has a label on the days, "
                                                         "periods and units of the settings"
                                                       : because));
        } else {
            EndProgram(app, kExitDone);
        }
    }
}

}  // namespace

void StopRun(App& app) {
    if (app.st.PreviewMode != 0 || !app.st.Report.running) return;
    app.st.RunStopOnly = 1;
    app.st.StopRequested = 1;
}

void Command1_Click(App& app) {
    PrintRun(app, RunRequestOf(app.st));
}

void PrintRun(App& app, RunRequest run) {
    RunProgress progress;
    // A reprint leaves the operator's start cell for the next run.
    const Int16 startAtLabel = app.st.StartAtLabel;
    try {
        Run(app, run, progress);
    } catch (const std::exception& e) {
        // The run stops where it is: what the print server accepted goes out, nothing else of
        // it is kept (no PDF file, the open page is not sent, nothing logged), and the window
        // is left ready for the next run.
        if (!progress.ended && run.Sheets()) {
            try {
                app.os.printers.RunCancelled();
            } catch (const std::exception&) {
            }
        }
        EndStop(app);
        app.st.Report.running = false;
        std::string detail = e.what();
        if (progress.printing) {
            app.st.Report.outcome = RunReport::Outcome::Failed;
            app.st.Report.failure = e.what();
            TakeOutput(app);
            FinishReport(app, run);
            if (!detail.empty() && detail.back() != '.') detail += '.';
            detail += " " + RunReportSummary(app.st.Report);
        }
        RestoreWindows(app);
        // The cause (the file, folder or printer and the system's reason) is the box's
        // detail, for the operator to tell whoever looks after the station.
        app.os.dialogs.MsgBox(kErrorMessage, "Vittlon", MsgButtons::OK, 1, detail);
        // An automatic run ends the program whether it printed everything or not; the box
        // (on the error output, without a display) said why.
        if (run.unattended) EndProgram(app, kExitFailed);
    }
    if (Reprint(run)) app.st.StartAtLabel = startAtLabel;
}

}  // namespace vt

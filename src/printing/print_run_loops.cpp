#include "printing/print_run_loops.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/error_output.h"
#include "platform/file_error.h"
#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "printing/day_snack_table.h"
#include "printing/label_from_state.h"
#include "printing/sheet_geometry.h"
#include "residents/resident_data.h"

namespace vt {
namespace {

constexpr std::size_t kUnitRecordLength = 122;
const std::string kBlankLine(29, ' ');
constexpr const char* kPeriodLetters = "MAFHT";
constexpr long kUserSlots = 30;  // user-defined labels per period and day
constexpr long kUserPreviewSlots = 12;
constexpr long kTrayMeals = 3;

// The current period as the run report names it.
std::string PeriodTitle(const AppState& st) {
    return st.PeriodIndex == kTrayPeriod ? "tray" : st.PeriodNames(st.PeriodIndex);
}

// The preview shows the first sheet as it will print: its run ends when that sheet is full.
bool PreviewSheetFull(const AppState& st, const RunRequest& run) {
    return run.Preview() && st.RowNo > std::max<long>(1, st.RowsPerPage);
}

// A run for one label ends with it.
bool OneLabelDrawn(const AppState& st, const RunRequest& run) {
    return run.onlyLabel && !st.Report.printed.empty();
}

// Whether the run goes on to its next resident, period or day.
bool RunGoesOn(const AppState& st, const RunRequest& run) {
    return st.StopRequested != 1 && !PreviewSheetFull(st, run) && !OneLabelDrawn(st, run);
}

// The label about to be drawn: the resident's (or user label's) `nth` of the current period.
LabelKey CurrentLabel(const AppState& st, const RunRequest& run, long nth) {
    return {st.LabelDateText,
            st.PeriodIndex,
            st.UnitNo,
            st.ResidentNo,
            run.userLabels ? std::string() : st.ResidentId,
            nth};
}

// A full page: the next label starts at the top of a new sheet. The preview box is left as it
// is (its run ends there; a printing run never touches it).
void PageCheck(App& app, const RunRequest& run) {
    AppState& st = app.st;
    if (st.RowNo <= st.RowsPerPage || run.Preview()) return;
    st.RowNo = 1;
    st.PrintTarget->EndDoc();
    st.Report.sheetUsed = false;
}

void NextRow(App& app, const RunRequest& run) {
    AppState& st = app.st;
    st.ColumnNo = 1;
    st.LabelLeft = st.ColumnX(1);
    ++st.RowNo;
    PageCheck(app, run);
}

std::string OrBlank(const std::string& line) {
    return line.empty() ? kBlankLine : line;
}

// The three lines of the label being drawn, and whether it has any.
bool TakeLines(AppState& st) {
    const int p = st.PeriodIndex;
    std::string lines[3];
    if (p == kTrayPeriod) {
        const std::string* dining[] = {&st.DiningName1, &st.DiningName2, &st.DiningName3};
        lines[0] = st.MealIndex >= 1 && st.MealIndex <= 3 ? *dining[st.MealIndex - 1] : "";
        st.PeriodName = "";
    } else {
        const VbArray<std::string>* periods[] = {&st.PeriodNourish1, &st.PeriodNourish2,
                                                 &st.PeriodNourish3, &st.PeriodNourish4};
        const VbArray<std::string>& nourish = *periods[p - 1];
        const int count = p == 2 ? 2 : 3;  // the 2pm period has two lines
        for (int k = 0; k < count; ++k) lines[k] = nourish(k + 1);
        st.PeriodName = st.PeriodNames(p);
    }
    st.NourishLine1 = OrBlank(lines[0]);
    st.NourishLine2 = OrBlank(lines[1]);
    st.NourishLine3 = OrBlank(lines[2]);
    return !(st.NourishLine1 == kBlankLine && st.NourishLine2 == kBlankLine &&
             st.NourishLine3 == kBlankLine);
}

// One more label of the current unit and period in the run report, and its sheet; a label on
// a sheet that is not printed again counts for its sheet only (its cut lines, from `cutsBefore`
// on, go too). A dry run keeps where each label went.
void CountLabel(AppState& st, const RunRequest& run, long nth, long cell, std::size_t cutsBefore) {
    RunReport& report = st.Report;
    if (!report.sheetUsed) {
        ++report.sheets;
        report.sheetUsed = true;
    }
    if (!run.sheets.Has(report.sheets)) {
        report.cutLines.resize(cutsBefore);
        return;
    }
    if (run.Dry()) {
        report.placed.push_back({CurrentLabel(st, run, nth),
                                 run.userLabels ? std::string() : RTrim(st.ResidentName),
                                 PeriodTitle(st), report.sheets, cell});
    }
    if (report.printed.empty() || report.printed.back().unit != st.UnitNo ||
        report.printed.back().period != st.PeriodIndex) {
        report.printed.push_back({st.UnitNo, st.UnitName, st.PeriodIndex, PeriodTitle(st), 0,
                                  st.LabelDateText, st.LabelDateText});
    }
    RunReport::Printed& printed = report.printed.back();
    ++printed.labels;
    printed.lastDate = st.LabelDateText;
}

// Every label of one resident in the current period: copies, and three meals for tray labels.
// False when the resident had nothing ordered for the period (no label at all).
bool PrintLabels(App& app, const RunRequest& run) {
    AppState& st = app.st;
    const SheetGeometry sheet = SheetGeometry::Of(st);
    bool drawn = false;
    for (long nth = 1;; ++nth) {
        if (st.ColumnNo >= 1 && st.ColumnNo <= 4) st.LabelLeft = st.ColumnX(st.ColumnNo);
        if (!TakeLines(st) && !run.userLabels) {
            st.MealIndex = 1;
            return drawn;
        }
        // A run for one label draws that label alone.
        if (!run.onlyLabel || CurrentLabel(st, run, nth) == *run.onlyLabel) {
            // User-defined labels start a new row only after a fourth column.
            if ((!run.userLabels && st.LabelLeft == 0) || st.ColumnNo >= 5) NextRow(app, run);
            if (PreviewSheetFull(st, run)) return true;
            st.LabelTop = static_cast<Int32>(sheet.RowTop(st.RowNo));
            const std::size_t cutsBefore = st.Report.cutLines.size();
            DrawRunLabel(app, run);
            CountLabel(st, run, nth, (st.RowNo - 1) * sheet.Columns() + st.ColumnNo, cutsBefore);
            if (run.onlyLabel) return true;
            ++st.ColumnNo;
            if (st.ColumnNo >= 2 && st.ColumnNo <= 4 && st.ColumnX(st.ColumnNo) == 0) {
                NextRow(app, run);
            }
        }
        drawn = true;

        if (st.PeriodIndex == kTrayPeriod) {
            if (st.MealIndex < 3) {
                ++st.MealIndex;
                continue;
            }
            st.MealIndex = 1;
        }
        if (!run.userLabels && st.PeriodCopies(st.PeriodIndex) >= 1) {
            --st.PeriodCopies(st.PeriodIndex);
            continue;
        }
        return true;
    }
}

// A resident left out of the run because a file could not be read: the resident's data file or
// the dining file, or with slot 0 (and no key) the unit's resident list.
struct SkippedResident {
    Int16 unit = 0;
    Int16 slot = 0;
    std::string key;
    std::string file;
    std::string reason;
};

void TellSkipped(const SkippedResident& skipped) {
    std::string who = "unit " + NumText(skipped.unit);
    if (skipped.slot != 0) {
        who += ", slot " + NumText(skipped.slot) + " (resident " + skipped.key + ")";
    }
    TellErrorOutput(who + " left out: " + skipped.file + " could not be read: " + skipped.reason);
}

using Cause = RunReport::NoLabelCause;

// Who this run leaves out, into the run report: each resident once for each cause (and each
// period, for nothing ordered), however many days come by. A file that could not be read is
// also told on the error output, once.
class LeftOut {
  public:
    LeftOut(AppState& st) : st_(st) {}

    // The current unit, or with `slot` the resident in that slot of it. `file` is the one that
    // was being read, for a failure that does not name its own.
    void Unreadable(Int16 slot, const std::string& file, const FileError& error) {
        if (!Once(Cause::Unreadable, slot, 0)) return;
        const bool named = !error.file().empty();
        const SkippedResident skipped{st_.UnitNo, slot, slot == 0 ? "" : st_.ResidentId,
                                      named ? error.file() : file,
                                      named ? error.reason() : error.what()};
        TellSkipped(skipped);
        st_.Report.noLabel.push_back({Cause::Unreadable, skipped.unit, slot, skipped.key, "",
                                      skipped.file + ": " + skipped.reason, ""});
    }

    // The resident in the current slot, for any other cause.
    void Add(Cause cause, const std::string& name = "") {
        const Int16 period = cause == Cause::NothingOrdered ? st_.PeriodIndex : Int16{0};
        if (!Once(cause, st_.ResidentNo, period)) return;
        st_.Report.noLabel.push_back({cause, st_.UnitNo, st_.ResidentNo, st_.ResidentId, name, "",
                                      period == 0 ? "" : PeriodTitle(st_)});
    }

  private:
    bool Once(Cause cause, Int16 slot, Int16 period) {
        return seen_.insert({static_cast<int>(cause), st_.UnitNo, slot, period}).second;
    }

    AppState& st_;
    std::set<std::tuple<int, Int16, Int16, Int16>> seen_;
};

// Whether the resident in this slot gets labels: a plausible key, a data file that can be
// read, active, and a name. An empty slot is no one; everyone else left out goes into the
// report with the cause.
bool LoadSlot(App& app, const std::string& key, LeftOut& leftOut) {
    AppState& st = app.st;
    st.ResidentId = key;
    if (st.ResidentId.empty()) return false;
    const auto first = static_cast<unsigned char>(st.ResidentId[0]);
    if (first < 33 || first > 122 || !IsSafeResidentKey(st.ResidentId)) {
        leftOut.Add(Cause::UnsafeKey);
        return false;
    }
    if (!app.os.drives.FileExists(ResidentFilePath(st, st.ResidentId))) {
        leftOut.Add(Cause::NoDataFile);
        return false;
    }
    st.SkipResident = 0;
    try {
        LoadResident(app);
    } catch (const FileError& error) {
        // A file of this resident's that is there but cannot be read costs only their labels.
        leftOut.Unreadable(st.ResidentNo, ResidentFilePath(st, st.ResidentId), error);
        return false;
    }
    if (st.SkipResident == 1) {
        leftOut.Add(Cause::Inactive);
        return false;
    }
    if (st.ResidentName.empty() && TakesNothingByMouth(st)) {
        leftOut.Add(Cause::NothingByMouth);
        return false;
    }
    return !(st.ResidentName.empty() || st.ResidentName == std::string(30, ' '));
}

std::string Str(long n) {
    return (n < 0 ? "" : " ") + NumText(n);
}

void ShowStatus(App& app, const std::string& prefix) {
    const AppState& st = app.st;
    app.form1.Form.Caption =
        " Printing " + prefix + " Unit:" + Str(st.UnitNo) + "    Resident:" + Str(st.ResidentNo) +
        "    Nourishment Period:" + Str(st.PeriodIndex) + " ............        ";
    app.form2.Form.Caption = app.form1.Form.Caption;
}

void PrintUnit(App& app, const RunRequest& run, const std::string& prefix, LeftOut& leftOut) {
    AppState& st = app.st;
    st.UnitFile = st.SetupTable(40) + "\\sfl" + NumText(st.UnitNo) + "." + st.StationCode;
    if (!app.os.drives.FileExists(st.UnitFile)) return;
    st.UnitName = ShortUnitName(st.UnitNames(st.UnitNo));

    long last = st.LastResident;
    if (last > st.UnitSizes(st.UnitNo)) last = st.UnitSizes(st.UnitNo);
    if (last < 1) last = 60;
    long first = st.FirstResident < 1 ? 1 : st.FirstResident;
    if (run.userLabels) {
        first = 1;
        last = run.Preview() ? kUserPreviewSlots : kUserSlots;
    } else if (run.Preview()) {
        first = 1;
        last = 10;
    }
    if (run.onlyLabel) first = last = run.onlyLabel->slot;

    // The residents' keys, read before any label is drawn: a list that cannot be read leaves out
    // the whole unit, never half of it. User-defined labels need only the list to be there.
    std::vector<std::string> keys;
    try {
        RecordFile unitFile(app.os.drives, st.UnitFile, kUnitRecordLength, RecordFile::Mode::Read);
        if (!run.userLabels) {
            for (long slot = first; slot <= last; ++slot) {
                keys.push_back(Trim(Mid(unitFile.Read(static_cast<std::uint64_t>(slot)), 33, 7)));
            }
        }
    } catch (const FileError& error) {
        leftOut.Unreadable(0, st.UnitFile, error);
        return;
    }

    for (long slot = first; slot <= last && RunGoesOn(st, run); ++slot) {
        st.ResidentNo = static_cast<Int16>(slot);
        ShowStatus(app, prefix);
        if (run.userLabels) {
            PrintLabels(app, run);
        } else if (LoadSlot(app, keys[static_cast<std::size_t>(slot - first)], leftOut) &&
                   !PrintLabels(app, run)) {
            leftOut.Add(Cause::NothingOrdered, st.ResidentName);
        }
        app.os.events.DoEvents();
    }
}

void PrintPeriod(App& app, const RunRequest& run, LeftOut& leftOut) {
    AppState& st = app.st;
    const int p = st.PeriodIndex;
    const std::string prefix = p == kTrayPeriod ? "" : st.PeriodNames(p) + " Nourishments";
    st.PeriodLetter = std::string(1, kPeriodLetters[p - 1]);
    const bool on = p == kTrayPeriod ? st.TrayLabelsOn == 1 : st.PeriodOn(p) == 1;
    if (!on || (run.onlyLabel && p != run.onlyLabel->period)) return;
    if (run.userLabels) st.FirstUnit = st.LastUnit = 1;
    for (long u = st.FirstUnit; u <= st.LastUnit && RunGoesOn(st, run); ++u) {
        if (run.onlyLabel && u != run.onlyLabel->unit) continue;
        st.UnitNo = static_cast<Int16>(u);
        PrintUnit(app, run, prefix, leftOut);
        ++st.Report.stepsDone;
    }
}

// A user-defined run of a chosen number of labels: that many, once, whatever the periods and
// days; they are counted under unit 1 and the first period that is on.
void PrintUserLabelCount(App& app, const RunRequest& run) {
    AppState& st = app.st;
    st.Report.stepsTotal = 1;
    st.UnitNo = 1;
    st.UnitName = st.UnitCount >= 1 ? ShortUnitName(st.UnitNames(1)) : "";
    st.PeriodIndex = 1;
    while (st.PeriodIndex < 4 && st.PeriodOn(st.PeriodIndex) != 1) ++st.PeriodIndex;
    if (st.PeriodOn(st.PeriodIndex) != 1) st.PeriodIndex = 1;
    st.PeriodLetter = std::string(1, kPeriodLetters[st.PeriodIndex - 1]);
    const std::string prefix = st.PeriodNames(st.PeriodIndex) + " Nourishments";
    const long count =
        run.Preview() ? std::min<long>(run.userLabelCount, kUserPreviewSlots) : run.userLabelCount;
    for (long n = 1; n <= count && RunGoesOn(st, run); ++n) {
        if (run.onlyLabel && n != run.onlyLabel->slot) continue;
        st.ResidentNo = static_cast<Int16>(std::min<long>(n, 32767));
        ShowStatus(app, prefix);
        PrintLabels(app, run);
        app.os.events.DoEvents();
    }
    st.Report.stepsDone = 1;
}

// How many unit passes the run makes, for its progress.
long RunSteps(const AppState& st, const RunRequest& run) {
    long periods = st.TrayLabelsOn == 1 ? 1 : 0;
    for (int p = 1; p <= 4; ++p) periods += st.PeriodOn(p) == 1 ? 1 : 0;
    const long units = run.userLabels ? 1 : std::max(0L, long(st.LastUnit) - st.FirstUnit + 1);
    return std::max(0L, long(st.DaysToPrint)) * periods * units;
}

}  // namespace

std::string ShortUnitName(const std::string& name) {
    std::string shortName = name;
    if (const std::size_t p = InStr(shortName, "  "); p > 1) shortName = Left(shortName, p - 1);
    for (const char* keyword : {"WING", "STATION"}) {
        if (const std::size_t p = InStr(UCase(shortName), keyword); p > 1) {
            shortName = Left(shortName, p);
        }
    }
    return shortName;
}

std::string NothingToPrintBecause(const AppState& st, const RunRequest& run) {
    if (run.userLabels) return "";
    if (st.FirstUnit > st.LastUnit) {
        return "the unit range " + std::to_string(st.FirstUnit) + " to " +
               std::to_string(st.LastUnit) + " holds no unit";
    }
    if (st.DaysToPrint <= 0) return "the number of days to print (\"# of Days\") is 0";
    bool period = st.TrayLabelsOn == 1 || st.RoutineHS == 1;
    for (int p = 1; p <= 4; ++p) period = period || st.PeriodOn(p) == 1;
    if (!period) return "no nourishment period and no tray labels are ticked";
    return "";
}

long UserLabelsAsPeriodsMake(const AppState& st) {
    long perDay = st.TrayLabelsOn == 1 ? kUserSlots * kTrayMeals : 0;
    for (int p = 1; p <= 4; ++p) {
        // Routine HS snacks turn the HS period on for every real run.
        const bool on = st.PeriodOn(p) == 1 || (p == 4 && st.RoutineHS == 1);
        perDay += on ? kUserSlots : 0;
    }
    return std::max(0L, long(st.DaysToPrint)) * perDay;
}

void PrintDays(App& app, const RunRequest& run) {
    AppState& st = app.st;
    LeftOut leftOut(st);
    st.Report.stepsTotal = RunSteps(st, run);
    for (long day = 1; day <= st.DaysToPrint && RunGoesOn(st, run); ++day) {
        if (day > 1) {
            st.LabelDate = st.LabelDate.AddDays(1);
            st.ExpDate = st.ExpDate.AddDays(1);
            st.LabelDateText = st.LabelDate.ShortText();
        }
        st.LabelDayName = st.LabelDate.WeekdayName();
        st.ExpDayName = st.ExpDate.WeekdayName();
        st.ExpDateText = st.ExpDate.ShortText();
        if (run.userLabels && run.userLabelCount > 0) {
            PrintUserLabelCount(app, run);
            return;
        }
        if (run.onlyLabel && st.LabelDateText != run.onlyLabel->date) continue;
        ReadDaySnacks(app);
        for (int p = 1; p <= 5 && RunGoesOn(st, run); ++p) {
            st.PeriodIndex = static_cast<Int16>(p);
            PrintPeriod(app, run, leftOut);
        }
    }
}

}  // namespace vt

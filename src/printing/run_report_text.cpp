#include "printing/run_report_text.h"

#include <cstdio>
#include <map>
#include <vector>

#include "platform/codepage.h"
#include "platform/numbers.h"
#include "platform/printers.h"
#include "platform/text.h"
#include "platform/units.h"

namespace vt {
namespace {

using Cause = RunReport::NoLabelCause;

// The data files' texts are Windows-1252; the report is UTF-8.
std::string Shown(const std::string& text) {
    return ToUtf8(text);
}

std::string Count(long n, const char* one, const char* many) {
    return NumText(n) + " " + (n == 1 ? one : many);
}

std::string Millimetres(double twips) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f mm", twips / kTwipsPerMm);
    return text;
}

const char* CauseTitle(Cause cause) {
    switch (cause) {
        case Cause::NoDataFile:
            return "No data file";
        case Cause::Unreadable:
            return "Data file could not be read or is damaged";
        case Cause::UnsafeKey:
            return "Resident key refused as unsafe";
        case Cause::Inactive:
            return "Inactive";
        case Cause::NothingByMouth:
            return "Nothing by mouth (diet code 99)";
        case Cause::NothingOrdered:
            return "Nothing ordered for the period";
    }
    return "";
}

std::string Who(const RunReport::NoLabel& entry) {
    std::string who = "unit " + NumText(entry.unit);
    if (entry.slot == 0) return who + ", the whole resident list";
    who += ", slot " + NumText(entry.slot);
    if (!entry.key.empty()) who += ", resident " + Shown(entry.key);
    if (!entry.name.empty()) who += " " + Shown(Trim(entry.name));
    return who;
}

std::string Outcome(const RunReport& report) {
    switch (report.outcome) {
        case RunReport::Outcome::Completed:
            return report.nothingBecause.empty() ? "completed"
                                                 : "nothing printed: " + report.nothingBecause;
        case RunReport::Outcome::Stopped:
            return "stopped before its end";
        case RunReport::Outcome::Failed:
            return "failed: " + Shown(report.failure);
    }
    return "";
}

void AddPrinted(std::string& text, const RunReport& report) {
    text += "\nLabels by unit and period\n";
    if (report.printed.empty()) text += "  none\n";
    for (const RunReport::Printed& p : report.printed) {
        text += "  unit " + NumText(p.unit) + " " + Shown(Trim(p.unitName)) + ", " +
                Shown(p.periodName) + ": " + Count(p.labels, "label", "labels") + ", " +
                p.firstDate + (p.lastDate == p.firstDate ? "" : " to " + p.lastDate) + "\n";
    }
}

// Residents the run left out altogether, by cause: each is counted once.
void AddNoLabel(std::string& text, const RunReport& report) {
    std::map<Cause, std::vector<const RunReport::NoLabel*>> byCause;
    for (const RunReport::NoLabel& entry : report.noLabel) {
        if (entry.cause != Cause::NothingOrdered) byCause[entry.cause].push_back(&entry);
    }
    text += "\nResidents who got no label\n";
    if (byCause.empty()) text += "  none\n";
    for (const auto& [cause, entries] : byCause) {
        text += "  " + std::string(CauseTitle(cause)) + ": " + NumText(long(entries.size())) + "\n";
        for (const RunReport::NoLabel* entry : entries) {
            text += "    " + Who(*entry);
            if (!entry->reason.empty()) text += ": " + Shown(entry->reason);
            text += "\n";
        }
    }
}

// A period with nothing ordered is normal (no 2pm snack): those residents got their other
// periods' labels. Listed by period, each resident once in a period.
void AddNothingOrdered(std::string& text, const RunReport& report) {
    std::map<std::string, std::vector<const RunReport::NoLabel*>> byPeriod;
    for (const RunReport::NoLabel& entry : report.noLabel) {
        if (entry.cause == Cause::NothingOrdered) byPeriod[entry.period].push_back(&entry);
    }
    text += "\nNothing ordered for a period (no label for that period)\n";
    if (byPeriod.empty()) text += "  none\n";
    for (const auto& [period, entries] : byPeriod) {
        text += "  " + Shown(period) + ": " + Count(long(entries.size()), "resident", "residents") +
                "\n";
        for (const RunReport::NoLabel* entry : entries) text += "    " + Who(*entry) + "\n";
    }
}

void AddCutLines(std::string& text, const RunReport& report) {
    text += "\nLines cut off at their label's edge\n";
    if (report.cutLines.empty()) text += "  none\n";
    for (const RunReport::CutLine& cut : report.cutLines) {
        text += "  " +
                (cut.key.empty() ? std::string("user label") : "resident " + Shown(cut.key)) +
                ", " + cut.date + ", " + Shown(cut.period) + ": \"" + Shown(cut.line) + "\", " +
                Millimetres(cut.overTwips) + " too long\n";
    }
}

// "sheets 2-3, 8 of 12", "sheet 4 of 12".
std::string SheetsChosen(const RunReport& report) {
    const bool one = report.sheetsChosen.find_first_of("-,") == std::string::npos;
    return (one ? "sheet " : "sheets ") + report.sheetsChosen + " of " + NumText(report.sheets);
}

}  // namespace

std::string RunReportSummary(const RunReport& report) {
    const std::string printer = Shown(report.printer);
    if (report.outcome == RunReport::Outcome::Completed) {
        if (!report.nothingBecause.empty()) return "Nothing printed: " + report.nothingBecause;
        if (report.againAtCell > 0) {
            return "Printed 1 label again, in cell " + NumText(report.againAtCell) + ", to " +
                   printer;
        }
        if (!report.sheetsChosen.empty()) {
            return "Printed " + Count(report.Labels(), "label", "labels") + " again on " +
                   SheetsChosen(report) + " to " + printer;
        }
        return "Printed " + Count(report.Labels(), "label", "labels") + " on " +
               Count(report.sheets, "sheet", "sheets") + " to " + printer;
    }
    // A run that did not complete says what reached the printer or the file, not what it drew:
    // a stopped run keeps no PDF file; a printer has the sheets that had gone out before.
    if (report.outcome == RunReport::Outcome::Stopped && report.printer == kPdfPrinterName) {
        return "Nothing kept, no PDF file was written";
    }
    if (report.sheetsDelivered <= 0) return "Nothing went out to " + printer;
    if (!report.sheetsChosen.empty()) {
        return "Sent " + Count(report.sheetsDelivered, "sheet", "sheets") + " of " +
               SheetsChosen(report) + " to " + printer + "; the rest did not go out";
    }
    const std::string sheets = report.sheetsDelivered == 1
                                   ? std::string("sheet 1")
                                   : "sheets 1 to " + NumText(report.sheetsDelivered);
    return "Sent " + sheets + " to " + printer + "; the rest did not go out";
}

std::string RunReportNoLabelText(const RunReport& report) {
    std::string text;
    AddNoLabel(text, report);
    AddNothingOrdered(text, report);
    return text;
}

bool RunReportNeedsAttention(const RunReport& report) {
    // What someone has to mend: a resident's file that is missing, damaged or refused, a line
    // that does not fit, a barcode that cannot be drawn. Inactive residents, nothing by mouth
    // and nothing ordered are the day's normal and are only listed.
    if (!report.cutLines.empty() || report.undrawnBarcodeType != 0) return true;
    for (const RunReport::NoLabel& entry : report.noLabel) {
        if (entry.cause == Cause::NoDataFile || entry.cause == Cause::Unreadable ||
            entry.cause == Cause::UnsafeKey) {
            return true;
        }
    }
    return false;
}

std::string RunReportText(const RunReport& report) {
    std::string text = "Vittlon run report\n";
    text += "Run: " + Outcome(report) + "\n";
    text += RunReportSummary(report) + "\n";
    if (!report.output.empty()) text += "Output: " + report.output + "\n";
    AddPrinted(text, report);
    AddNoLabel(text, report);
    AddNothingOrdered(text, report);
    AddCutLines(text, report);
    if (!report.unprintedUserLines.empty()) {
        text += "\nUser label lines after the sixth, not printed\n";
        for (const std::string& line : report.unprintedUserLines) {
            text += "  \"" + Shown(line) + "\"\n";
        }
    }
    if (report.undrawnBarcodeType != 0) {
        text += "\nBarcode type " + NumText(report.undrawnBarcodeType) +
                " cannot be drawn (types 3 and 6 can): the labels have no barcode\n";
    }
    return text;
}

}  // namespace vt

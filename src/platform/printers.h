#pragma once
// The installed printers, the current one, and the printer as a drawing surface.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/chosen_pages_surface.h"
#include "platform/page_list.h"
#include "platform/shifted_surface.h"
#include "platform/surface.h"
#include "platform/units.h"

namespace vt {

// The built-in printer that writes PDF files (one file per print run).
inline constexpr const char* kPdfPrinterName = "Vittlon PDF";

// How far a printer's pages are moved to meet the label sheets it feeds: millimetres right and
// down (negative: left and up), each within kMaxAlignmentMm; and how much they are stretched
// across and down, around the page's top left corner, for a printer that draws a page a little
// larger or smaller than it is (percent, within kMinScalePercent to kMaxScalePercent).
struct PrinterAlignment {
    double rightMm = 0;
    double downMm = 0;
    double acrossPercent = 100;
    double downPercent = 100;
    friend bool operator==(const PrinterAlignment&, const PrinterAlignment&) = default;
};
inline constexpr double kMaxAlignmentMm = 10.0;
inline constexpr double kMinScalePercent = 99.0;
inline constexpr double kMaxScalePercent = 101.0;

// The edges of a portrait letter sheet that a printer cannot print on, in twips.
struct PageMargins {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// An alignment distance as it may be used: within kMaxAlignmentMm, 0 for what is no number.
inline double WithinAlignmentReach(double mm) {
    return std::isfinite(mm) ? std::clamp(mm, -kMaxAlignmentMm, kMaxAlignmentMm) : 0.0;
}

// A scale as it may be used: within its reach, 100 for what is no number.
inline double WithinScaleReach(double percent) {
    return std::isfinite(percent) ? std::clamp(percent, kMinScalePercent, kMaxScalePercent) : 100.0;
}
// The alignment as it may be used: each value within its reach.
inline PrinterAlignment WithinReach(const PrinterAlignment& a) {
    return {WithinAlignmentReach(a.rightMm), WithinAlignmentReach(a.downMm),
            WithinScaleReach(a.acrossPercent), WithinScaleReach(a.downPercent)};
}

class Printers {
  public:
    virtual ~Printers() = default;
    // Device names in the system's order (the built-in PDF printer last).
    virtual std::vector<std::string> Installed() = 0;
    // The system default printer's device name; "" when no printer is installed.
    virtual std::string DefaultName() = 0;
    // Make the installed printer of this name the current printer. False, and nothing changes,
    // when no installed printer has the name (it was removed since the list was shown).
    virtual bool SetCurrent(const std::string& name) = 0;
    // The current printer's device name.
    virtual std::string CurrentName() = 0;
    // The current printer as a drawing surface (the Printer object). Every document from the
    // first drawing to EndDoc is one print job.
    virtual Surface& Printer() = 0;
    // The print run or menu print is over (normally, by an error or by a stop): close what it
    // opened. A run that printed nothing leaves no output.
    virtual void RunEnded() = 0;
    // The run was stopped (by the operator, or the program is ending): nothing of it is kept
    // that can still be taken back (the PDF file is not written, the open page is not sent).
    virtual void RunCancelled() { RunEnded(); }
    // Where the last ended run went: the PDF file it wrote, or the printer queue; "" when it
    // printed nothing.
    virtual std::string LastOutput() const { return ""; }
    // How many pages (sheets) of the last ended or cancelled run were delivered: in the PDF
    // file that was put in place, or accepted by the print server.
    virtual long LastDelivered() const { return 0; }
    // Why the print service could not be asked for its printers the last time ("" when it
    // answered): the installed list then holds the built-in PDF printer alone.
    virtual std::string ServiceProblem() const { return ""; }
    // What the current run prints, "labels" or "menu"; the PDF printer names its file after it.
    // Every run starts as "labels" again.
    virtual void SetJobKind(const std::string& kind) { (void)kind; }
    // The current printer's unprintable edges of a letter sheet, as its driver reports them.
    // Pages that are drawn from the printable origin (the menu) start inside them.
    virtual PageMargins PrintableMargins() { return {}; }
    // The alignment kept for a printer (none unless the operator set one).
    virtual PrinterAlignment Alignment(const std::string& name) {
        (void)name;
        return {};
    }

    // The current printer as every print goes to it: moved and stretched by its alignment, or
    // by the one given (the test sheet of an alignment being set). The preview never goes
    // through here.
    Surface& AlignedPrinter() { return AlignedPrinter(Alignment(CurrentName())); }
    Surface& AlignedPrinter(const PrinterAlignment& alignment) {
        return Aligned(Printer(), alignment);
    }
    // The current printer, aligned, for a run that delivers only the `chosen` sheets (pages) of
    // all it draws; every sheet for an empty choice.
    Surface& AlignedPrinter(const PageList& chosen) {
        if (chosen.Every()) return AlignedPrinter();
        chosen_.Retarget(Printer(), chosen);
        return Aligned(chosen_, Alignment(CurrentName()));
    }

  private:
    Surface& Aligned(Surface& page, const PrinterAlignment& alignment) {
        const PrinterAlignment a = WithinReach(alignment);
        aligned_.Retarget(page, a.rightMm * kTwipsPerMm, a.downMm * kTwipsPerMm,
                          a.acrossPercent / 100, a.downPercent / 100);
        return aligned_;
    }

    ChosenPagesSurface chosen_;
    ShiftedSurface aligned_;
};

}  // namespace vt

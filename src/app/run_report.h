#pragma once
// What a print run (or the preview) saw as it drew: the labels per unit and period, the
// residents who got none and why, the text lines cut at their label's edge, and where the
// output went. The print run fills it; the printing layer turns it into text.
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

struct RunReport {
    enum class Outcome { Completed, Stopped, Failed };
    // Why a resident in a unit's list got no label. NothingOrdered is per period (a blank or
    // "~" line only); the others keep the resident out of the whole run.
    enum class NoLabelCause {
        NoDataFile,
        Unreadable,
        UnsafeKey,
        Inactive,
        NothingByMouth,
        NothingOrdered
    };

    struct Printed {
        std::int16_t unit = 0;
        std::string unitName;
        std::int16_t period = 0;  // 1..4, 5 for tray labels
        std::string periodName;
        long labels = 0;
        std::string firstDate, lastDate;  // "mm-dd-yy"
    };
    struct NoLabel {
        NoLabelCause cause = NoLabelCause::NoDataFile;
        std::int16_t unit = 0;
        std::int16_t slot = 0;  // 0: the unit's whole resident list
        std::string key;
        std::string name;    // where it was read
        std::string reason;  // Unreadable: the file and the system's reason
        std::string period;  // NothingOrdered: the period's name
    };
    struct CutLine {
        std::string key;  // "" on a user-defined label
        std::string date;
        std::string period;
        std::string line;
        double overTwips = 0;  // how far the text runs past the label's edge
    };

    // While a real run goes, for its progress: one step is one unit's residents in one period
    // of one day.
    bool running = false;
    long stepsDone = 0, stepsTotal = 0;

    std::vector<Printed> printed;
    long sheets = 0;
    bool sheetUsed = false;  // while the run goes: a label is on the current sheet
    std::vector<NoLabel> noLabel;
    std::vector<CutLine> cutLines;
    std::vector<std::string> unprintedUserLines;  // user-defined label lines after the sixth
    int undrawnBarcodeType = 0;  // barcodes on, of a type the program cannot draw (not 3 or 6)
    std::string printer;
    std::string output;        // the PDF file, or the printer queue and the jobs it accepted
    long sheetsDelivered = 0;  // of `sheets`: in the PDF file put in place, or accepted
    Outcome outcome = Outcome::Completed;
    std::string failure;  // Failed: the cause
    // The run's own settings print no label ("no period is ticked"); "" when they can.
    std::string nothingBecause;

    long Labels() const {
        long labels = 0;
        for (const Printed& p : printed) labels += p.labels;
        return labels;
    }
};

}  // namespace vt

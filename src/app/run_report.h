#pragma once
// What a print run (or the preview) saw as it drew: the labels per unit and period, the
// residents who got none and why, the text lines cut at their label's edge, and where the
// output went. The print run fills it; the printing layer turns it into text.
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

// One label of a run, as another run finds it again: its day, period, unit and slot, the
// resident's key, and which of the resident's labels of that period it is (copies and tray
// meals one after the other, from 1).
struct LabelKey {
    std::string date;         // "mm-dd-yy"
    std::int16_t period = 0;  // 1..4, 5 for tray labels
    std::int16_t unit = 0;
    std::int16_t slot = 0;
    std::string key;  // "" on a user-defined label
    long nth = 1;
    friend bool operator==(const LabelKey&, const LabelKey&) = default;
};

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
    // Where a label went: for finding a resident's labels among the sheets.
    struct Placed {
        LabelKey label;
        std::string name;    // as printed: location and name; "" on a user-defined label
        std::string period;  // the period's name, "tray" for tray labels
        long sheet = 0;      // from 1
        long cell = 0;       // of the sheet, from 1, row by row
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
    // A run that printed some sheets again: which ("2-3, 8"), of the `sheets` it drew; "" for a
    // whole run. A run that printed one label again: the cell it went to, 0 otherwise.
    std::string sheetsChosen;
    long againAtCell = 0;
    // A dry run: every label it drew and where, in order.
    std::vector<Placed> placed;
    // The run's own settings print no label ("no period is ticked"); "" when they can.
    std::string nothingBecause;

    long Labels() const {
        long labels = 0;
        for (const Printed& p : printed) labels += p.labels;
        return labels;
    }
};

}  // namespace vt

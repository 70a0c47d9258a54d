#pragma once
// One label as values: what it shows (LabelContent), how the label type and the window's
// settings lay it out (LabelStyle), and what drawing it gave (LabelDrawn). DrawLabel needs
// nothing else; the print run builds these from the state (label_from_state.h).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/run_report.h"
#include "platform/barcode.h"
#include "platform/picture.h"
#include "printing/sheet_geometry.h"

namespace vt {

struct LabelContent {
    std::array<std::string, 6> lines;  // from the top: title, name, diet, three nourishments
    // The picture box: the resident's picture (none: the box stays empty) and the pen width
    // of the privacy screen drawn over it (0: no screen).
    std::optional<Picture> picture;
    int screen = 0;
    std::optional<std::string> barcode;  // the bars' text, with barcodes on
    struct Expiration {
        std::string dayName;  // "Thu"
        std::string date;     // "12-10-26"
    };
    std::optional<Expiration> expiration;  // with days to expire set
    // Whose label a line cut at the label's edge is reported for ("" key: a user-defined one).
    std::string residentId, date, period;
};

// Where the bars go on paper: the settings' box in the printer's dots, the label's corner
// divided by the factor plus the shifts.
struct BarcodeBox {
    double width = 0, height = 0, leftShift = 0, downShift = 0;
    double xyFactor = 0;
    int symbology = Barcod::kCode39;
};

struct LabelStyle {
    SheetGeometry sheet;     // the label's size and its neighbours' places
    bool frame = true;       // the frame around the label
    bool pictureBox = true;  // the picture box, and the lines beside it
    bool bold = false;       // the lines in bold 11 point at their bold places
    bool tray = false;       // a tray label: its lines print 150 twips lower
    bool preview = false;    // the preview box: cut lines marked, the bars in its pixels
    BarcodeBox bars;
};

struct LabelDrawn {
    std::vector<RunReport::CutLine> cutLines;  // lines that ran past the label's cell
    Barcod bars;  // the bars as drawn: their box, text and readable text (none: no Text)
};

// Where a label's first text line starts, from its left edge: beside the picture box, or near
// the edge without one. Each line's cell starts kFirstLineAbove above its place.
double LabelTextIndent(bool pictureBox);
inline constexpr double kFirstLineAbove = 30;

}  // namespace vt

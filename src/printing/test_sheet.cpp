#include "printing/test_sheet.h"

#include <cstdio>
#include <exception>

#include "app/page_printed.h"
#include "printing/label_drawing.h"
#include "printing/sheet_cells.h"
#include "printing/sheet_geometry.h"

namespace vt {
namespace {

constexpr double kCrossArm = 90;
constexpr double kTick = 57;  // 1 mm
constexpr double kHalfCentimetreTick = 113;
constexpr double kCentimetreTick = 170;

std::string Millimetres(double mm) {
    char text[16];
    std::snprintf(text, sizeof text, "%+.1f", mm);
    return text;
}

std::string Percent(double percent) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", percent);
    return text;
}

// A tick every millimetre from the corner, longer each 5 and 10 mm, and the centimetres
// numbered: along the top edge (across) or the left edge (down).
void Ruler(Surface& s, bool across) {
    const double length = across ? kSheetWidth : kSheetHeight;
    for (int mm = 1; mm * kTwipsPerMm < length; ++mm) {
        const double at = mm * kTwipsPerMm;
        const double tick = mm % 10 == 0  ? kCentimetreTick
                            : mm % 5 == 0 ? kHalfCentimetreTick
                                          : kTick;
        if (across) {
            s.Line(at, 0, at, tick);
        } else {
            s.Line(0, at, tick, at);
        }
        // Across: the number right of its tick, below the ticks. Down: just below its tick, right
        // of the millimetre ticks, so that a two-digit number ends well inside a sheet's usual
        // left margin and no label border runs through it.
        if (mm % 10 == 0) {
            s.SetCurrentX(across ? at + 20 : kTick + 15);
            s.SetCurrentY(across ? kCentimetreTick : at + 15);
            s.Print(std::to_string(mm / 10));
        }
    }
}

void Cross(Surface& s, double x, double y) {
    s.Line(x - kCrossArm, y, x + kCrossArm, y);
    s.Line(x, y - kCrossArm, x, y + kCrossArm);
}

void DrawSheet(App& app, Surface& s, const PrinterAlignment& asked) {
    const AppState& st = app.st;
    // What the printer's page is moved and stretched by, as it says on the sheet.
    const PrinterAlignment alignment = WithinReach(asked);
    SetSheetPage(s, true);
    s.SetFontName("CB1");
    s.SetFontBold(false);
    s.SetFontSize(8);
    s.SetFontTransparent(true);
    s.SetDrawWidth(1);
    Ruler(s, true);
    Ruler(s, false);

    const SheetGeometry sheet = SheetGeometry::Of(st);
    const double indent = LabelTextIndent(st.NoPhoto != 1);
    for (long cell = 1; cell <= sheet.CellsPerSheet(); ++cell) {
        const LabelPlace place = sheet.Cell(cell);
        s.Line(place.left, place.top, place.left + sheet.width, place.top + sheet.rowPitch, true);
        Cross(s, place.left + indent, place.top - kFirstLineAbove);
    }

    const LabelPlace first = sheet.Cell(1);
    const double left = first.left + indent + 150;
    const std::string lines[] = {
        "Test sheet: " + app.form1.Combo2.Text,
        app.os.printers.CurrentName(),
        "right " + Millimetres(alignment.rightMm) + " mm, down " + Millimetres(alignment.downMm) +
            " mm",
        "across " + Percent(alignment.acrossPercent) + " %, down " +
            Percent(alignment.downPercent) + " %",
    };
    s.SetCurrentY(first.top + 200);
    for (const std::string& line : lines) {
        s.SetCurrentX(left);
        s.Print(line);
    }
    s.EndDoc();
}

}  // namespace

bool PrintTestSheet(App& app, const PrinterAlignment& alignment) {
    Printers& printers = app.os.printers;
    bool ended = false;
    try {
        printers.SetJobKind("test-sheet");
        Surface& s = printers.AlignedPrinter(alignment);
        try {
            DrawSheet(app, s, alignment);
        } catch (const std::exception&) {
            ended = true;
            printers.RunEnded();
            throw;
        }
        ended = true;
        printers.RunEnded();
        TellPagePrinted(app, "the test sheet", true);
        return true;
    } catch (const std::exception& e) {
        TellPagePrinted(app, "the test sheet", ended);
        app.os.dialogs.MsgBox("The test sheet could not be printed.", "Vittlon", MsgButtons::OK, 1,
                              e.what());
        return false;
    }
}

}  // namespace vt

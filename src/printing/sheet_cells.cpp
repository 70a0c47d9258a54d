#include "printing/sheet_cells.h"

#include <algorithm>

#include "printing/label_drawing.h"
#include "printing/sheet_geometry.h"

namespace vt {

void SetSheetPage(Surface& s, bool printer) {
    s.SetHeight(kSheetHeight);
    s.SetWidth(kSheetWidth);
    if (printer) {
        s.SetPaperSize(1);
        s.SetOrientation(1);
    }
}

long FirstCell(const SheetGeometry& sheet, long startAtLabel) {
    return startAtLabel < 1 || startAtLabel > sheet.CellsPerSheet() ? 1 : startAtLabel;
}

long StartCell(const AppState& st) {
    return FirstCell(SheetGeometry::Of(st), st.StartAtLabel);
}

void StartAtCell(App& app, const RunRequest& run) {
    AppState& st = app.st;
    const SheetGeometry sheet = SheetGeometry::Of(st);
    const long columns = sheet.Columns();
    const long start = FirstCell(sheet, run.startAtLabel);
    st.RowNo = static_cast<Int16>((start - 1) / columns + 1);
    st.ColumnNo = static_cast<Int16>((start - 1) % columns + 1);
    if (run.output == RunRequest::Output::Printer) return;
    for (long cell = 1; cell < start; ++cell) {
        const LabelPlace place = sheet.Cell(cell);
        DrawLabelFrame(*st.PrintTarget, sheet, place);
    }
}

}  // namespace vt

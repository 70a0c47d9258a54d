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

long StartCell(const AppState& st) {
    const long start = st.StartAtLabel;
    return start < 1 || start > SheetGeometry::Of(st).CellsPerSheet() ? 1 : start;
}

void StartAtCell(App& app) {
    AppState& st = app.st;
    const SheetGeometry sheet = SheetGeometry::Of(st);
    const long columns = sheet.Columns();
    const long start = StartCell(st);
    st.RowNo = static_cast<Int16>((start - 1) / columns + 1);
    st.ColumnNo = static_cast<Int16>((start - 1) % columns + 1);
    if (st.PreviewMode != 1 && st.DryRun != 1) return;
    for (long cell = 1; cell < start; ++cell) {
        const LabelPlace place = sheet.Cell(cell);
        DrawLabelFrame(*st.PrintTarget, sheet, place);
    }
}

}  // namespace vt

#include "printing/sheet_cells.h"

#include <algorithm>

#include "printing/label_drawing.h"

namespace vt {

void SetSheetPage(Surface& s, bool printer) {
    s.SetHeight(kSheetHeight);
    s.SetWidth(kSheetWidth);
    if (printer) {
        s.SetPaperSize(1);
        s.SetOrientation(1);
    }
}

long LabelColumns(const AppState& st) {
    long columns = 1;
    while (columns < 4 && st.ColumnX(static_cast<int>(columns) + 1) != 0) ++columns;
    return columns;
}

long LabelCellsPerSheet(const AppState& st) {
    return std::max(1L, long(st.RowsPerPage) * LabelColumns(st));
}

long StartCell(const AppState& st) {
    const long start = st.StartAtLabel;
    return start < 1 || start > LabelCellsPerSheet(st) ? 1 : start;
}

void StartAtCell(App& app) {
    AppState& st = app.st;
    const long columns = LabelColumns(st);
    const long start = StartCell(st);
    st.RowNo = static_cast<Int16>((start - 1) / columns + 1);
    st.ColumnNo = static_cast<Int16>((start - 1) % columns + 1);
    if (st.PreviewMode != 1 && st.DryRun != 1) return;
    for (long cell = 1; cell < start; ++cell) {
        const long row = (cell - 1) / columns + 1;
        const int column = static_cast<int>((cell - 1) % columns + 1);
        DrawLabelFrame(st, st.ColumnX(column), st.TopMargin + (row - 1) * st.LabelHeight);
    }
}

}  // namespace vt

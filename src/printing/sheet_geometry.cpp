#include "printing/sheet_geometry.h"

#include <algorithm>

namespace vt {

SheetGeometry SheetGeometry::Of(const AppState& st) {
    SheetGeometry sheet;
    sheet.topMargin = st.TopMargin;
    sheet.rowPitch = st.LabelHeight;
    sheet.width = st.LabelWidth;
    sheet.rows = st.RowsPerPage;
    for (int column = 1; column <= 4; ++column) {
        sheet.columnX[static_cast<std::size_t>(column - 1)] = st.ColumnX(column);
    }
    return sheet;
}

long SheetGeometry::Columns() const {
    long columns = 1;
    while (columns < 4 && columnX[static_cast<std::size_t>(columns)] != 0) ++columns;
    return columns;
}

long SheetGeometry::CellsPerSheet() const {
    return std::max(1L, rows * Columns());
}

LabelPlace SheetGeometry::Place(long row, long column) const {
    const double left =
        column >= 1 && column <= 4 ? columnX[static_cast<std::size_t>(column - 1)] : 0;
    return {left, RowTop(row)};
}

LabelPlace SheetGeometry::Cell(long cell) const {
    const long columns = Columns();
    return Place((cell - 1) / columns + 1, (cell - 1) % columns + 1);
}

}  // namespace vt

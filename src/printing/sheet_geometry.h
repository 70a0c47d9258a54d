#pragma once
// Where the labels of a sheet go: the one place that turns a cell into a spot on the page.
// Cells are numbered row by row, left to right, from the top left one (1).
#include <array>

#include "app/app_state.h"

namespace vt {

// A label's top left corner on the sheet, in twips.
struct LabelPlace {
    double left = 0;
    double top = 0;
};

struct SheetGeometry {
    double topMargin = 0;  // the first row's top
    double rowPitch = 0;   // from one row's top to the next (the label type's height)
    double width = 0;      // a label's width
    long rows = 0;
    std::array<double, 4> columnX{};  // each column's left edge; 0: no such column

    // The geometry of the current label type.
    static SheetGeometry Of(const AppState& st);

    // Labels across: the first column and each further column with a place, up to four.
    long Columns() const;
    // Rows times columns; at least 1.
    long CellsPerSheet() const;
    // The top of the labels in `row` (from 1).
    double RowTop(long row) const { return topMargin + double(row - 1) * rowPitch; }
    // The label in `row` (from 1) at `column` (1 to 4; the place 0 of a column that has none).
    LabelPlace Place(long row, long column) const;
    // Cell `cell` (from 1), row by row over the columns there are.
    LabelPlace Cell(long cell) const;
};

}  // namespace vt

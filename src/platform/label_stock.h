#pragma once
// A standard label sheet from the makers' catalogue: who makes it, its part number and what it
// is, the size of its labels and where they stand, for setting up a label type without
// measuring a sheet.
#include <array>
#include <string>

namespace vt {

struct LabelStock {
    std::string maker, part, description;  // as the catalogue names them (UTF-8)
    // Lengths in twips, as the catalogue gives them (not rounded).
    double width = 0, height = 0;  // a label
    double x0 = 0, y0 = 0;         // the top left label's corner
    double dx = 0, dy = 0;         // from one column, and one row, to the next
    long columns = 0, rows = 0;

    // "Avery 5160 Address Labels".
    std::string Name() const;
};

// A label type's sheet fields as a stock fills them, in whole twips: the top margin, the row
// pitch as the label height, the label's width, the rows, and each column's place (0 for a
// column the sheet does not have).
struct StockSheet {
    long top = 0, height = 0, width = 0, rows = 0;
    std::array<long, 4> columnX{};
};
StockSheet SheetOf(const LabelStock& stock);

}  // namespace vt

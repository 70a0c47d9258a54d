#include "platform/label_stock.h"

#include <cmath>

namespace vt {

std::string LabelStock::Name() const {
    std::string name = maker;
    for (const std::string* more : {&part, &description}) {
        if (more->empty()) continue;
        if (!name.empty()) name += ' ';
        name += *more;
    }
    return name;
}

StockSheet SheetOf(const LabelStock& stock) {
    const auto twips = [](double length) { return std::lround(length); };
    StockSheet sheet;
    sheet.top = twips(stock.y0);
    sheet.height = twips(stock.dy);
    sheet.width = twips(stock.width);
    sheet.rows = stock.rows;
    for (long column = 1; column <= stock.columns && column <= 4; ++column) {
        sheet.columnX[std::size_t(column - 1)] = twips(stock.x0 + double(column - 1) * stock.dx);
    }
    return sheet;
}

}  // namespace vt

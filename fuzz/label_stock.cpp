// A label stock catalogue file (*-templates.xml of the makers' catalogue), as "Label Stock..."
// reads it: whatever it holds, a template offered fits a label type's fields.
#include <QByteArray>
#include <string>
#include <vector>

#include "fuzz_station.h"
#include "platform/qt/label_stock_catalogue.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<StockTemplate> templates;
    std::string error;
    const QByteArray xml(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!ReadStockTemplates(xml, templates, error)) {
        fuzz::Check(!error.empty() && templates.empty(), "a refused file without its reason");
        return 0;
    }
    for (const StockTemplate& t : templates) {
        fuzz::Check(t.stock.maker.size() <= 800 && t.stock.part.size() <= 800,
                    "a name past its cap");
        if (!t.fits) continue;
        const StockSheet sheet = SheetOf(t.stock);
        fuzz::Check(sheet.rows >= 1 && sheet.rows <= 999, "rows " + std::to_string(sheet.rows));
        for (const long x : sheet.columnX) {
            fuzz::Check(x >= 0 && x <= 99999, "a column at " + std::to_string(x));
        }
        fuzz::Check(sheet.top >= 0 && sheet.height > 0 && sheet.width > 0, "a sheet without size");
    }
    return 0;
}

#include "platform/barcode.h"

#include <zint.h>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace vt {
namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

// Code 39 holds digits, capital letters, blank and - . $ / + %. (The encoder would quietly
// turn small letters into capitals, and the bars would then carry another text.)
bool Code39Holds(const std::string& text) {
    for (const char c : text) {
        const bool ok = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                        std::string_view(" -.$/+%").find(c) != std::string_view::npos;
        if (!ok) return false;
    }
    return true;
}

bool Code128Holds(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > 127) return false;
    }
    return true;
}

// The modules of the encoded symbol's single row: true = bar.
std::vector<bool> Modules(const zint_symbol& symbol) {
    std::vector<bool> modules(static_cast<std::size_t>(symbol.width));
    for (int col = 0; col < symbol.width; ++col) {
        modules[static_cast<std::size_t>(col)] =
            (symbol.encoded_data[0][col >> 3] >> (col & 7)) & 1;
    }
    return modules;
}

std::optional<std::vector<bool>> Encode(int symbology, const std::string& text) {
    int zintSymbology = 0;
    if (symbology == Barcod::kCode39 && Code39Holds(text)) zintSymbology = BARCODE_CODE39;
    if (symbology == Barcod::kCode128 && Code128Holds(text)) zintSymbology = BARCODE_CODE128;
    if (zintSymbology == 0 || text.empty()) return std::nullopt;
    Symbol symbol(ZBarcode_Create());
    if (!symbol) return std::nullopt;
    symbol->symbology = zintSymbology;
    symbol->input_mode = DATA_MODE;
    const int result =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(text.data()),
                        static_cast<int>(text.size()));
    if (result >= ZINT_ERROR || symbol->rows < 1 || symbol->width < 1) return std::nullopt;
    return Modules(*symbol);
}

}  // namespace

void Barcod::Draw(Surface& target) {
    readable_ = Text;
    const bool boxOk = std::isfinite(X) && std::isfinite(Y) && std::isfinite(Width) &&
                       std::isfinite(Height) && Width > 0 && Height > 0;
    if (!boxOk) return;
    const std::optional<std::vector<bool>> modules = Encode(Symbology, Text);
    if (!modules) return;
    const double moduleWidth = Width / static_cast<double>(modules->size());
    // Adjacent bar modules are one rectangle.
    for (std::size_t i = 0; i < modules->size();) {
        if (!(*modules)[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < modules->size() && (*modules)[end]) ++end;
        target.FillDeviceRect(X + static_cast<double>(i) * moduleWidth, Y,
                              static_cast<double>(end - i) * moduleWidth, Height);
        i = end;
    }
}

}  // namespace vt

#include "platform/barcode.h"

#include <zint.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace vt {
namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

// Code 39 holds digits, capital letters, blank and - . $ / + %. libzint would quietly turn
// small letters into capitals, and the bars would then carry another text than the one printed.
bool Code39Holds(std::string_view text) {
    for (const char c : text) {
        const bool ok = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                        std::string_view(" -.$/+%").find(c) != std::string_view::npos;
        if (!ok) return false;
    }
    return true;
}

// Bytes above 127 would go out through FNC4 as Latin-1, which readers decode differently.
bool Code128Holds(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > 127) return false;
    }
    return true;
}

int ZintSymbology(int symbology, std::string_view text) {
    if (text.empty()) return 0;
    if (symbology == Barcod::kCode39 && Code39Holds(text)) return BARCODE_CODE39;
    if (symbology == Barcod::kCode128 && Code128Holds(text)) return BARCODE_CODE128;
    return 0;
}

struct Encoded {
    std::vector<bool> modules;  // the single row of the symbol, quiet zones excluded: true = bar
    std::string readable;
};

// The readable text libzint gives, without Code 39's "*" start and stop characters.
std::string Readable(const zint_symbol& symbol) {
    std::string_view text(reinterpret_cast<const char*>(symbol.text));
    if (symbol.symbology == BARCODE_CODE39 && text.size() >= 2 && text.front() == '*' &&
        text.back() == '*') {
        text = text.substr(1, text.size() - 2);
    }
    return std::string(text);
}

std::optional<Encoded> Encode(int symbology, const std::string& text) {
    const int zintSymbology = ZintSymbology(symbology, text);
    if (zintSymbology == 0) return std::nullopt;
    Symbol symbol(ZBarcode_Create());
    if (!symbol) return std::nullopt;
    symbol->symbology = zintSymbology;
    symbol->input_mode = DATA_MODE;
    const int result =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(text.data()),
                        static_cast<int>(text.size()));
    if (result >= ZINT_ERROR || symbol->rows != 1 || symbol->width < 1) return std::nullopt;
    Encoded encoded;
    encoded.modules.resize(static_cast<std::size_t>(symbol->width));
    // libzint keeps eight modules to a byte, the leftmost in the lowest bit.
    for (int col = 0; col < symbol->width; ++col) {
        encoded.modules[static_cast<std::size_t>(col)] =
            (symbol->encoded_data[0][col >> 3] >> (col & 7)) & 1;
    }
    encoded.readable = Readable(*symbol);
    if (encoded.readable.empty()) encoded.readable = text;
    return encoded;
}

}  // namespace

void Barcod::Draw(Surface& target) {
    readable_ = Text;
    const bool boxOk = std::isfinite(X) && std::isfinite(Y) && std::isfinite(Width) &&
                       std::isfinite(Height) && Width > 0 && Height > 0;
    if (!boxOk) return;
    const std::optional<Encoded> encoded = Encode(Symbology, Text);
    if (!encoded) return;
    readable_ = encoded->readable;
    const std::vector<bool>& modules = encoded->modules;
    const std::size_t count = modules.size();
    // Module edges measured from the box's left edge, so the last bar ends exactly at its right.
    const auto edge = [&](std::size_t module) {
        return module == count
                   ? X + Width
                   : X + Width * static_cast<double>(module) / static_cast<double>(count);
    };
    // A run of adjacent bar modules is one rectangle: no hairline seams inside a wide bar.
    for (std::size_t i = 0; i < count;) {
        if (!modules[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < count && modules[end]) ++end;
        target.FillDeviceRect(edge(i), Y, edge(end) - edge(i), Height);
        i = end;
    }
}

}  // namespace vt

#include "platform/qt/jpeg_check.h"

#include <cstddef>

namespace vt {
namespace {

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;

unsigned char At(std::string_view data, std::size_t i) {
    return static_cast<unsigned char>(data[i]);
}

// Markers without a length field: TEM, the restart markers RST0-7, SOI and EOI.
bool StandsAlone(unsigned char code) {
    return code == 0x01 || (code >= 0xD0 && code <= 0xD9);
}

}  // namespace

bool JpegIsComplete(std::string_view data) {
    if (data.size() < 4 || At(data, 0) != kMarker || At(data, 1) != kStartOfImage) return false;
    std::size_t i = 2;
    while (i + 1 < data.size()) {
        if (At(data, i) != kMarker) return false;
        unsigned char code = At(data, i + 1);
        if (code == kMarker) {  // fill byte before a marker
            ++i;
            continue;
        }
        i += 2;
        if (code == kEndOfImage) return true;
        if (StandsAlone(code)) continue;
        if (i + 1 >= data.size()) return false;
        const std::size_t length = (std::size_t(At(data, i)) << 8) | At(data, i + 1);
        if (length < 2 || i + length > data.size()) return false;
        i += length;
        if (code != kStartOfScan) continue;
        // Entropy-coded data: a 0xFF in it is followed by a stuffed 0x00 or is a restart marker;
        // anything else is the next marker.
        while (i + 1 < data.size()) {
            if (At(data, i) == kMarker) {
                const unsigned char next = At(data, i + 1);
                if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) break;
                i += 2;
            } else {
                ++i;
            }
        }
    }
    return false;
}

}  // namespace vt

// A resident's picture as a Windows metafile (<key>.wmf), played by the program's own player
// when a label is drawn. The picture is never larger than 2,000 pixels a side.
#include "fuzz_station.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::DrawPictureFile(".wmf", data, size, [](const PictureData& picture) {
        const int w = picture.WidthPx();
        const int h = picture.HeightPx();
        fuzz::Check(w > 0 && h > 0 && w <= 2000 && h <= 2000,
                    "a picture of " + std::to_string(w) + " x " + std::to_string(h));
    });
    return 0;
}

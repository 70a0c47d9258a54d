// A resident's picture in the picture folder (<key>.gif, found after the protected form),
// loaded and drawn on a label as the print run draws it; the file's first bytes tell a bitmap,
// GIF, JPEG or metafile.
#include "fuzz_station.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::DrawPictureFile(".gif", data, size, [](const PictureData& picture) {
        fuzz::Check(picture.WidthPx() > 0 && picture.HeightPx() > 0, "a picture without pixels");
    });
    return 0;
}

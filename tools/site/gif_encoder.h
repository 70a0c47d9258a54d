#pragma once
// A minimal GIF writer, since Qt reads GIF but cannot write it.
#include <cstdint>
#include <string>
#include <vector>

#include "site/rgb.h"

namespace vt::site {

// A single-frame GIF89a of palette indices (row by row, width x height of them). The palette
// holds 1 to 256 colours. The image data is LZW without compression: a clear code before the
// dictionary would grow past the starting code width, so every decoder reads it, at the cost of
// a file about as large as the pixels.
std::string EncodeGif(int width, int height, const std::vector<Rgb>& palette,
                      const std::vector<std::uint8_t>& indices);

}  // namespace vt::site

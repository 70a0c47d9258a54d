#pragma once

namespace vt::site {

struct Rgb {
    int r = 0, g = 0, b = 0;  // 0-255 each
};

}  // namespace vt::site

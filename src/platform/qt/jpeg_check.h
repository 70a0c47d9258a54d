#pragma once
#include <string_view>

namespace vt {

// True when the JPEG data runs from its start marker through every segment and scan to the end
// marker. The image decoder turns a cut-off file into a picture with a grey lower part and only
// warns, so a truncated file is caught here instead.
bool JpegIsComplete(std::string_view data);

}  // namespace vt

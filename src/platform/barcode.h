#pragma once
// The barcode component: Code 39 or Code 128 bars for a text, drawn into a box on a surface in
// the surface's device units. The bars always decode to exactly the text; a text the
// symbology cannot hold draws nothing.
#include <string>

#include "platform/surface.h"

namespace vt {

class Barcod {
  public:
    static constexpr int kCode39 = 3;
    static constexpr int kCode128 = 6;

    int Symbology = kCode39;
    std::string Text;                            // single-byte text, e.g. "M1234"
    double X = 0, Y = 0, Width = 0, Height = 0;  // the target surface's device units

    // Encode Text and draw its bars (no quiet zones) filling the box exactly. Never throws
    // for a text, symbology or box it cannot draw: it draws nothing then.
    void Draw(Surface& target);
    // The text to print under the bars after the last Draw: libzint's readable text (for
    // Code 39 without its "*" start and stop characters), or Text when no bars were drawn.
    std::string HumanReadable() const { return readable_; }

  private:
    std::string readable_;
};

}  // namespace vt

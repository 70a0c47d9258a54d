#include "site/gif_encoder.h"

#include <algorithm>
#include <stdexcept>

namespace vt::site {

namespace {

void PutWord(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

// Codes go into the stream least significant bit first.
class BitWriter {
  public:
    void Put(unsigned code, int width) {
        for (int i = 0; i < width; ++i) {
            if (((code >> i) & 1U) != 0) current_ |= static_cast<unsigned char>(1U << used_);
            if (++used_ == 8) Flush();
        }
    }
    std::string Finish() {
        if (used_ > 0) Flush();
        return std::move(bytes_);
    }

  private:
    void Flush() {
        bytes_ += static_cast<char>(current_);
        current_ = 0;
        used_ = 0;
    }
    std::string bytes_;
    unsigned char current_ = 0;
    int used_ = 0;
};

}  // namespace

std::string EncodeGif(int width, int height, const std::vector<Rgb>& palette,
                      const std::vector<std::uint8_t>& indices) {
    if (width < 1 || height < 1 || width > 0xFFFF || height > 0xFFFF) {
        throw std::invalid_argument("GIF size out of range");
    }
    if (palette.empty() || palette.size() > 256) {
        throw std::invalid_argument("GIF palette must hold 1 to 256 colours");
    }
    if (indices.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        throw std::invalid_argument("GIF pixel count does not match its size");
    }
    if (std::any_of(indices.begin(), indices.end(),
                    [&](std::uint8_t i) { return i >= palette.size(); })) {
        throw std::invalid_argument("GIF pixel outside its palette");
    }

    int bits = 2;  // the smallest LZW code size GIF allows
    while ((1U << bits) < palette.size()) ++bits;
    const unsigned clearCode = 1U << bits;
    const unsigned endCode = clearCode + 1;
    const int codeWidth = bits + 1;
    // Each code after the first behind a clear adds a dictionary entry from clearCode + 2 on;
    // the width grows once an entry reaches 1 << codeWidth. Stopping one short of that, and
    // one more for decoders that grow a code early, keeps every code at codeWidth bits.
    const unsigned codesPerClear = clearCode - 3;  // at least 1, as clearCode >= 4

    std::string out = "GIF89a";
    PutWord(out, width);
    PutWord(out, height);
    out += static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1));  // global colour table
    out += '\0';                                                      // background colour
    out += '\0';                                                      // square pixels
    for (unsigned i = 0; i < (1U << bits); ++i) {
        const Rgb c = i < palette.size() ? palette[i] : Rgb{};
        out += static_cast<char>(c.r);
        out += static_cast<char>(c.g);
        out += static_cast<char>(c.b);
    }
    out += ',';  // image descriptor: whole canvas, no local table, not interlaced
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, width);
    PutWord(out, height);
    out += '\0';

    BitWriter codes;
    unsigned sinceClear = codesPerClear;
    for (const std::uint8_t index : indices) {
        if (sinceClear == codesPerClear) {
            codes.Put(clearCode, codeWidth);
            sinceClear = 0;
        }
        codes.Put(index, codeWidth);
        ++sinceClear;
    }
    codes.Put(endCode, codeWidth);
    const std::string data = codes.Finish();

    out += static_cast<char>(bits);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        out += static_cast<char>(length);
        out.append(data, at, length);
    }
    out += '\0';  // end of the image data
    out += ';';   // trailer
    return out;
}

}  // namespace vt::site

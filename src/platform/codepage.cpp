#include "platform/codepage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace vt {

namespace {

using Table = std::array<char32_t, 256>;

// Upper halves (0x80-0xFF). Windows-1252 leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined;
// they map to the C1 control of the same number, so that every byte survives a round trip
// through UTF-8.
constexpr std::array<char32_t, 128> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0: Latin-1 from here
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  //
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  //
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,  //
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,  //
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,  //
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,  //
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,  //
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,  //
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,  //
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,  //
};

// The original IBM PC set: accented letters, then the box-drawing characters the snack list's
// rules and borders are made of (0xB3-0xDA), then Greek and mathematical signs.
constexpr std::array<char32_t, 128> kCp437High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8
};

// The low half is ASCII in both. Code page 437 also has glyphs (smileys, arrows) for 0x00-0x1F,
// but the snack list holds real carriage returns and line feeds there, so they stay controls.
constexpr Table MakeTable(const std::array<char32_t, 128>& high) {
    Table table{};
    for (std::size_t i = 0; i < 128; ++i) table[i] = static_cast<char32_t>(i);
    for (std::size_t i = 0; i < 128; ++i) table[128 + i] = high[i];
    return table;
}

constexpr Table kCp1252 = MakeTable(kCp1252High);
constexpr Table kCp437 = MakeTable(kCp437High);

const Table& TableOf(CodePage cp) {
    return cp == CodePage::Cp437 ? kCp437 : kCp1252;
}

// Code point -> byte, sorted by code point for binary search.
using Reverse = std::vector<std::pair<char32_t, unsigned char>>;

Reverse MakeReverse(const Table& table) {
    Reverse reverse;
    for (std::size_t b = 0; b < table.size(); ++b) {
        reverse.emplace_back(table[b], static_cast<unsigned char>(b));
    }
    std::sort(reverse.begin(), reverse.end());
    return reverse;
}

const Reverse& ReverseOf(CodePage cp) {
    static const Reverse cp1252 = MakeReverse(kCp1252);
    static const Reverse cp437 = MakeReverse(kCp437);
    return cp == CodePage::Cp437 ? cp437 : cp1252;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        // Every code page character lies in the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes the character at `at` and advances past it. A malformed sequence (stray
// continuation byte, truncated sequence, overlong form, surrogate, beyond U+10FFFF) yields
// kInvalid and advances by one byte, so that each bad byte becomes one '?'.
char32_t NextCodePoint(std::string_view utf8, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    std::size_t extra = 0;  // continuation bytes that follow the lead byte
    char32_t c = 0;
    char32_t least = 0;  // smaller values are overlong forms
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
        least = 0x10000;
    }
    if (extra == 0 || at + extra >= utf8.size()) {
        ++at;
        return kInvalid;
    }
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(utf8[at + i]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return kInvalid;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++at;
        return kInvalid;
    }
    at += extra + 1;
    return c;
}

}  // namespace

std::string ToUtf8(std::string_view bytes, CodePage cp) {
    const Table& table = TableOf(cp);
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes) AppendUtf8(out, table[static_cast<unsigned char>(b)]);
    return out;
}

std::string FromUtf8(std::string_view utf8, CodePage cp) {
    const Reverse& reverse = ReverseOf(cp);
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const char32_t c = NextCodePoint(utf8, at);
        const auto found = std::lower_bound(reverse.begin(), reverse.end(),
                                            std::pair<char32_t, unsigned char>(c, 0));
        const bool known = found != reverse.end() && found->first == c;
        out += known ? static_cast<char>(found->second) : '?';
    }
    return out;
}

}  // namespace vt

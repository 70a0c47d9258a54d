#include "platform/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

namespace vt {
namespace {

// One byte through glibc's converter; nullopt for bytes the converter has no character for.
std::optional<std::string> IconvToUtf8(const char* codePage, unsigned char byte) {
    const iconv_t cd = iconv_open("UTF-8", codePage);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) return std::nullopt;
    return std::string(out, outPtr);
}

void ExpectTableMatchesIconv(CodePage cp, const char* iconvName) {
    int compared = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::optional<std::string> expected =
            IconvToUtf8(iconvName, static_cast<unsigned char>(b));
        if (expected) {
            EXPECT_EQ(ToUtf8(byte, cp), *expected) << iconvName << " byte 0x" << std::hex << b;
            ++compared;
        }
        EXPECT_EQ(FromUtf8(ToUtf8(byte, cp), cp), byte)
            << iconvName << " round trip of byte 0x" << std::hex << b;
    }
    // 1252 leaves five bytes undefined, 437 none; fewer comparisons means iconv is missing.
    EXPECT_GE(compared, 251) << iconvName;
}

TEST(CodePage, Cp1252MatchesIconvAndEveryByteRoundTrips) {
    ExpectTableMatchesIconv(CodePage::Cp1252, "CP1252");
}

TEST(CodePage, Cp437MatchesIconvAndEveryByteRoundTrips) {
    ExpectTableMatchesIconv(CodePage::Cp437, "CP437");
}

TEST(CodePage, UndefinedCp1252BytesBecomeC1Controls) {
    EXPECT_EQ(ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(CodePage, Cp437KeepsLineEndsAndBoxDrawing) {
    EXPECT_EQ(ToUtf8("\r\n", CodePage::Cp437), "\r\n");  // not the music-note glyphs
    EXPECT_EQ(ToUtf8("\xC9\xCD\xBB\xB3", CodePage::Cp437), "\u2554\u2550\u2557\u2502");
    EXPECT_EQ(FromUtf8("\u2554\u2550\u2557\u2502", CodePage::Cp437), "\xC9\xCD\xBB\xB3");
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(FromUtf8("a\u20ACb"),
              "a\x80"
              "b");                                           // the euro sign is in 1252
    EXPECT_EQ(FromUtf8("a\u20ACb", CodePage::Cp437), "a?b");  // but not in 437
    EXPECT_EQ(FromUtf8("\u2554", CodePage::Cp1252), "?");     // box drawing only in 437
    EXPECT_EQ(FromUtf8("\U0001F600x"), "?x");                 // outside the BMP
    EXPECT_EQ(FromUtf8("\u0080"), "?");                       // a C1 control that 1252 does not use
}

TEST(CodePage, InvalidUtf8NeverCrashesAndEachBadByteIsOneQuestionMark) {
    const struct {
        std::string utf8;
        const char* expected;
        const char* why;
    } cases[] = {
        {"\x80", "?", "stray continuation byte"},
        {"a\xC3", "a?", "sequence cut off at the end"},
        {"\xC3(", "?(", "lead byte followed by a non-continuation"},
        {"\xC0\xAF", "??", "overlong form of '/'"},
        {"\xED\xA0\x80", "???", "UTF-16 surrogate"},
        {"\xF4\x90\x80\x80", "????", "beyond U+10FFFF"},
        {"\xFF\xFE", "??", "bytes that never occur in UTF-8"},
        {"\xE2\x82", "??", "three-byte sequence missing its last byte"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FromUtf8(c.utf8), c.expected) << c.why;
    }
}

}  // namespace
}  // namespace vt

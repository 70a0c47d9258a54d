#include "platform/text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace vt {
namespace {

TEST(Text, MidLeftRightCountFromOneAndNeverThrowPastTheEnd) {
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abcdef", 4), "def");
    EXPECT_EQ(Mid("abcdef", 6, 5), "f");
    EXPECT_EQ(Mid("abcdef", 7, 1), "");
    EXPECT_EQ(Mid("abcdef", 100, 1), "");
    EXPECT_EQ(Mid("abcdef", 0, 2), "ab");  // position 0 reads as the first character
    EXPECT_EQ(Left("abc", 2), "ab");
    EXPECT_EQ(Left("abc", 10), "abc");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(Right("abc", 10), "abc");
    EXPECT_EQ(Right("abc", 0), "");
}

TEST(Text, TrimRemovesBlanksOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");  // tabs are data, not padding
    EXPECT_EQ(Trim("    "), "");
    EXPECT_EQ(RTrim("  a  "), "  a");
    EXPECT_EQ(LTrim("  a  "), "a  ");
}

TEST(Text, CaseChangesAsciiLettersOnly) {
    EXPECT_EQ(UCase("follow Me 1"), "FOLLOW ME 1");
    EXPECT_EQ(LCase("FOLLOW Me"), "follow me");
    // 0xE9 (e acute) and 0xC9 (E acute) in Windows-1252 stay as they are.
    EXPECT_EQ(UCase("caf\xE9"), "CAF\xE9");
    EXPECT_EQ(LCase("CAF\xC9"), "caf\xC9");
}

TEST(Text, InStrFindsFromAOneBasedStart) {
    EXPECT_EQ(InStr("a@b@c", "@"), 2u);
    EXPECT_EQ(InStr("a@b@c", "@", 3), 4u);
    EXPECT_EQ(InStr("a@b@c", "#"), 0u);
    EXPECT_EQ(InStr("abc", "c", 4), 0u);   // past the end
    EXPECT_EQ(InStr("abc", "c", 99), 0u);  // far past the end
    EXPECT_EQ(InStr("abc", "", 2), 2u);    // the empty text is found where the search starts
    EXPECT_EQ(InStr("", "a"), 0u);
}

TEST(Text, PadToCutsOrPads) {
    EXPECT_EQ(PadTo("ab", 4), "ab  ");
    EXPECT_EQ(PadTo("abcdef", 4), "abcd");
    EXPECT_EQ(PadTo("", 0), "");
}

TEST(Text, PutFieldOverwritesItsColumnsOnly) {
    std::string record = "XXXXXXXXXX";
    PutField(record, 3, 4, "ab");
    EXPECT_EQ(record, "XXab  XXXX");
    PutField(record, 3, 4, "abcdefg");
    EXPECT_EQ(record, "XXabcdXXXX");
}

TEST(Text, PutFieldPastTheEndGrowsTheRecordWithBlanks) {
    std::string record = "AB";
    PutField(record, 5, 2, "x");
    EXPECT_EQ(record, "AB  x ");
    EXPECT_THROW(PutField(record, 0, 2, "x"), std::out_of_range);
    EXPECT_EQ(record, "AB  x ");
}

}  // namespace
}  // namespace vt

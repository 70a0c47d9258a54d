#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace vt {
namespace {

struct ValCase {
    std::string text;
    double expected;
    const char* why;
};

TEST(Val, ReadsLeniently) {
    const ValCase cases[] = {
        {"12", 12, "plain digits"},
        {"  12  ", 12, "blanks around"},
        {"1 2", 12, "blanks inside the digits are ignored, not a stop"},
        {"\t1\n2", 12, "tabs and line feeds are ignored like blanks"},
        {"-5", -5, "leading minus"},
        {"+7", 7, "leading plus"},
        {" - 3", -3, "blank between sign and digits"},
        {"4.85", 4.85, "fraction"},
        {".5", 0.5, "fraction without a leading zero, as the files store it"},
        {"1.2.3", 1.2, "a second decimal point stops reading"},
        {"12-3", 12, "a sign after digits stops reading"},
        {"--5", 0, "a second sign stops reading before any digit"},
        {"12ab3", 12, "stops at the first other character"},
        {"1,5", 1, "a comma is not a decimal point"},
        {"1e3", 1, "no exponent form"},
        {"abc", 0, "no leading number"},
        {"", 0, "empty"},
        {"   ", 0, "blanks only: an empty field"},
        {"-", 0, "a sign alone"},
        {".", 0, "a point alone"},
        {"\r5", 0, "a carriage return is not ignored"},
        {"007", 7, "leading zeros"},
    };
    for (const ValCase& c : cases) {
        EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << '"' << c.text << "\": " << c.why;
    }
}

TEST(Val, NegativeZeroReadsAsZero) {
    EXPECT_FALSE(std::signbit(Val("-0")));
    EXPECT_FALSE(std::signbit(Val("-")));
}

TEST(Val, VeryLongDigitStringsStayFinite) {
    const std::string huge(400, '9');
    EXPECT_EQ(Val(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(Val("-" + huge), -std::numeric_limits<double>::max());
    EXPECT_EQ(Val("." + std::string(400, '0') + "1"), 0.0);
    EXPECT_DOUBLE_EQ(Val(std::string(300, '0') + "42"), 42);
    EXPECT_THROW(CInt(Val(huge)), OverflowError);
}

struct TextCase {
    double value;
    const char* expected;
    const char* why;
};

TEST(NumText, WritesWithoutLeadingBlankOrZero) {
    const TextCase cases[] = {
        {12, "12", "whole number"},
        {-5, "-5", "negative keeps its minus"},
        {0, "0", "zero"},
        {-0.0, "0", "negative zero has no sign"},
        {4.85, "4.85", "shortest form, not 4.8499999..."},
        {0.5, ".5", "no leading zero before the point"},
        {-0.5, "-.5", "nor after a minus"},
        {0.1 + 0.2, ".3", "15 significant digits hide binary noise"},
        {123456789012345, "123456789012345", "15 digits stay whole"},
        {1e15, "1E+15", "beyond 15 digits the exponent form begins"},
        {0.0001, ".0001", "small fractions stay plain"},
        {1e-5, "1E-05", "below that they take an exponent"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(NumText(c.value), c.expected) << c.why;
    }
}

TEST(NumTextSingle, UsesSevenSignificantDigits) {
    EXPECT_EQ(NumTextSingle(4.85f), "4.85");  // the barcode XY factor as typed
    EXPECT_EQ(NumTextSingle(4.8f), "4.8");
    EXPECT_EQ(NumTextSingle(0.05f), ".05");
    EXPECT_EQ(NumTextSingle(1.0f / 3), ".3333333");
    EXPECT_EQ(NumTextSingle(-12.5f), "-12.5");
}

TEST(CInt, RoundsHalvesToEven) {
    const struct {
        double value;
        int expected;
    } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0},
        {1.5, 2}, {2.4, 2}, {2.6, 3},   {-0.4, 0},  {-2.6, -3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CInt(c.value), c.expected) << c.value;
        EXPECT_EQ(CLng(c.value), c.expected) << c.value;
    }
}

TEST(CInt, RangeIsCheckedAfterRounding) {
    EXPECT_EQ(CInt(32767), 32767);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_THROW(CInt(32767.5), OverflowError);  // rounds to 32768 (even)
    EXPECT_EQ(CInt(-32768.5), -32768);           // rounds to the even -32768: fits
    EXPECT_THROW(CInt(-32769), OverflowError);
    EXPECT_THROW(CInt(std::nan("")), OverflowError);
    EXPECT_THROW(CInt(std::numeric_limits<double>::infinity()), OverflowError);
}

TEST(CLng, RangeIsCheckedAfterRounding) {
    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_THROW(CLng(2147483647.5), OverflowError);  // rounds to 2^31 (even)
    EXPECT_EQ(CLng(-2147483648.5), -2147483647 - 1);  // rounds to the even -2^31: fits
    EXPECT_THROW(CLng(-2147483649.0), OverflowError);
    EXPECT_THROW(CLng(std::nan("")), OverflowError);
    EXPECT_THROW(CLng(1e300), OverflowError);
}

}  // namespace
}  // namespace vt

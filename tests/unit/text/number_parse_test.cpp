// The strict and scanning integer conversions.
#include "text/number_parse.h"

#include <gtest/gtest.h>

namespace wyndrel::text {
namespace {

TEST(StrictIntegerConversion, AcceptsDecimalWithOptionalSignAfterLeadingBlanks) {
    EXPECT_EQ(ParseInt32("0"), 0);
    EXPECT_EQ(ParseInt32("-4"), -4);
    EXPECT_EQ(ParseInt32("+17"), 17);
    EXPECT_EQ(ParseInt32("   800"), 800);
    EXPECT_EQ(ParseInt32("007"), 7);
}

TEST(StrictIntegerConversion, AcceptsEveryHexadecimalPrefixInPlaceOfTheSign) {
    EXPECT_EQ(ParseInt32("$1F"), 31);
    EXPECT_EQ(ParseInt32("x1f"), 31);
    EXPECT_EQ(ParseInt32("X1F"), 31);
    EXPECT_EQ(ParseInt32("0x1F"), 31);
    EXPECT_EQ(ParseInt32("0X7fffffff"), 2147483647);
    EXPECT_EQ(ParseInt32("-$10"), std::nullopt);
    EXPECT_EQ(ParseInt32("$"), std::nullopt);
    EXPECT_EQ(ParseInt32("0x"), std::nullopt);
    EXPECT_EQ(ParseInt32("$G"), std::nullopt);
}

TEST(StrictIntegerConversion, RejectsAnythingAfterTheNumberAndEmptyText) {
    EXPECT_EQ(ParseInt32("12 "), std::nullopt);
    EXPECT_EQ(ParseInt32("12abc"), std::nullopt);
    EXPECT_EQ(ParseInt32(""), std::nullopt);
    EXPECT_EQ(ParseInt32("   "), std::nullopt);
    EXPECT_EQ(ParseInt32("-"), std::nullopt);
    EXPECT_EQ(ParseInt32("1,2"), std::nullopt);
}

TEST(StrictIntegerConversion, KeepsToTheSigned32BitRange) {
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt32("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
    EXPECT_EQ(ParseInt32("-2147483649"), std::nullopt);
    EXPECT_EQ(ParseInt32("$80000000"), std::nullopt);
    EXPECT_EQ(ParseInt32("99999999999999999999999"), std::nullopt);
}

TEST(StrictIntegerConversion, The64BitFormKeepsTo64Bits) {
    EXPECT_EQ(ParseInt64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(ParseInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(ParseInt64("9223372036854775808"), std::nullopt);
    EXPECT_EQ(ParseInt64("$FFFFFFFF"), 4294967295);
    // Values that would wrap an unsigned 64-bit magnitude back into range.
    EXPECT_EQ(ParseInt64("18446744073709551616"), std::nullopt);
    EXPECT_EQ(ParseInt64("-18446744073709551617"), std::nullopt);
    EXPECT_EQ(ParseInt64("$10000000000000000"), std::nullopt);
}

TEST(ScanningIntegerConversion, ReadsTheLeadingNumberAndIgnoresTheRest) {
    EXPECT_EQ(ScanInt32("12abc"), 12);
    EXPECT_EQ(ScanInt32(" \t-30 seconds"), -30);
    EXPECT_EQ(ScanInt32("abc"), 0);
    EXPECT_EQ(ScanInt32("0x1Fg"), 31);
    EXPECT_EQ(ScanInt32("-0X10"), -16);
    EXPECT_EQ(ScanInt32("0o17"), 15);
    EXPECT_EQ(ScanInt32("0b102"), 2);
    EXPECT_EQ(ScanInt32("0"), 0);
    EXPECT_EQ(ScanInt32("0z5"), 0);
    EXPECT_EQ(ScanInt32(""), 0);
    EXPECT_EQ(ScanInt32("4294967295"), -1);
}

TEST(CanonicalDecimal, HasNoPaddingAndALeadingMinusOnly) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-4), "-4");
    EXPECT_EQ(IntToStr(1032), "1032");
}

}  // namespace
}  // namespace wyndrel::text

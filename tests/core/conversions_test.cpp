#include "app/conversions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/errors.h"

namespace zeltavor {
namespace {

const NumberLocale kPoint{"."};
const NumberLocale kComma{","};

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundToInt16(-84.5), -84);
    EXPECT_EQ(RoundToInt16(-85.5), -86);
    EXPECT_EQ(RoundToInt16(-83.5), -84);
    EXPECT_EQ(RoundToInt16(-84.996), -85);
    EXPECT_EQ(RoundToInt32(466.6667), 467);
    EXPECT_EQ(RoundToInt32(66.5), 66);
    EXPECT_EQ(RoundToInt32(67.5), 68);
    EXPECT_EQ(RoundToInt16(332.5), 332);
    EXPECT_EQ(RoundToInt16(367.5), 368);
}

TEST(Rounding, OutOfRangeIsAnOverflowError) {
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);  // halves to even stay inside
    EXPECT_THROW(RoundToInt16(32767.5), RuntimeError);
    EXPECT_THROW(RoundToInt16(-32769), RuntimeError);
    EXPECT_THROW(RoundToInt32(2147483648.0), RuntimeError);
    EXPECT_THROW(RoundToInt32(std::nan("")), RuntimeError);
    EXPECT_THROW(ToSingle(1e39), RuntimeError);
    const auto errorNumber = [] {
        try {
            RoundToInt16(1e6);
        } catch (const RuntimeError& error) {
            return error.number();
        }
        return 0;  // nothing thrown
    };
    EXPECT_EQ(errorNumber(), 6);
}

TEST(DisplayPatterns, WholeDigitsWriteNothingForZero) {
    EXPECT_EQ(FormatWholeDigits(0), "");
    EXPECT_EQ(FormatWholeDigits(7), "7");
    EXPECT_EQ(FormatWholeDigits(45), "45");
    EXPECT_EQ(FormatWholeDigits(100), "100");
    EXPECT_EQ(FormatWholeDigits(0.4), "");
    EXPECT_EQ(FormatWholeDigits(2.5), "3");  // halves away from zero
}

TEST(DisplayPatterns, TenthsKeepTheSeparatorAndDropAZeroDigit) {
    EXPECT_EQ(FormatTenths(73.44, kPoint), "73.4");
    EXPECT_EQ(FormatTenths(74.96, kPoint), "75.");
    EXPECT_EQ(FormatTenths(0.5, kPoint), ".5");
    EXPECT_EQ(FormatTenths(100, kPoint), "100.");
    EXPECT_EQ(FormatTenths(0.25, kPoint), ".3");
    EXPECT_EQ(FormatTenths(0.0, kPoint), ".");
    EXPECT_EQ(FormatTenths(1.0, kPoint), "1.");
    EXPECT_EQ(FormatTenths(73.44, kComma), "73,4");
    EXPECT_EQ(FormatTenths(95.99999159794486, kComma), "96,");
}

TEST(NumberText, SinglesPrintLikeThePlatformConversion) {
    EXPECT_EQ(SingleToText(1500, kPoint), "1500");
    EXPECT_EQ(SingleToText(-45, kPoint), "-45");
    EXPECT_EQ(SingleToText(-0.0f, kPoint), "0");
    EXPECT_EQ(SingleToText(1367.5f, kComma), "1367,5");
    EXPECT_EQ(SingleToText(12345678, kPoint), "1.234568E+07");
    EXPECT_EQ(SingleToText(0.1f, kPoint), "0.1");
}

TEST(NumberText, ParsingFollowsTheLocale) {
    EXPECT_EQ(ParseNumber("2220", kPoint), 2220);
    EXPECT_EQ(ParseNumber(" -45 ", kPoint), -45);
    EXPECT_EQ(ParseNumber("+3", kPoint), 3);
    EXPECT_EQ(ParseNumber("0800", kPoint), 800);
    EXPECT_EQ(ParseNumber("1.5", kPoint), 1.5);
    EXPECT_EQ(ParseNumber("1,5", kComma), 1.5);
    EXPECT_EQ(ParseNumber("1E3", kPoint), 1000);
    EXPECT_FALSE(ParseNumber("1.5", kComma));  // not this locale's separator
    EXPECT_FALSE(ParseNumber("", kPoint));
    EXPECT_FALSE(ParseNumber("   ", kPoint));
    EXPECT_FALSE(ParseNumber("abc", kPoint));
    EXPECT_FALSE(ParseNumber("12a", kPoint));
    EXPECT_FALSE(ParseNumber("inf", kPoint));
    EXPECT_FALSE(ParseNumber("nan", kPoint));
    EXPECT_FALSE(ParseNumber("1e400", kPoint));
    EXPECT_FALSE(IsNumber("", kPoint));
    EXPECT_THROW(TextToDouble("abc", kPoint), RuntimeError);
}

TEST(Currency, ClusterSizesRoundToFourDecimalsHalvesToEven) {
    const struct {
        double bytes;
        std::int64_t scaled;
    } table[] = {{512, 5}, {1024, 10}, {2048, 20}, {4096, 39},
                 {8192, 78}, {16384, 156}, {32768, 312}, {65536, 625}};
    for (const auto& row : table)
        EXPECT_EQ(Currency::FromDouble(row.bytes / 1048576.0).scaled(), row.scaled) << row.bytes;
}

TEST(Currency, ArithmeticIsExactOrAnOverflow) {
    const Currency perCluster = Currency::FromScaled(39);
    EXPECT_EQ(perCluster.TimesCount(25'000'000).scaled(), 975'000'000);
    EXPECT_THROW(perCluster.TimesCount(~0ull), RuntimeError);
    EXPECT_THROW(Currency::FromDouble(1e15), RuntimeError);
    EXPECT_EQ(Currency::FromScaled(38086).Floor().scaled(), 30000);
    EXPECT_EQ(Currency::FromScaled(-5).Floor().scaled(), -10000);
    EXPECT_EQ(Currency::FromScaled(-10000).Floor().scaled(), -10000);
    EXPECT_EQ((Currency::FromScaled(10) - Currency::FromScaled(25)).scaled(), -15);
}

}  // namespace
}  // namespace zeltavor

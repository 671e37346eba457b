#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "runtime/errors.h"

namespace zeltavor {
namespace {

const NumberLocale kPoint{"."}, kComma{","};

int ErrorOf(const std::function<void()>& call) {  // the error number a call raises, or 0
    try { call(); } catch (const RuntimeError& error) { return error.number(); }
    return 0;
}

TEST(Numbers, RoundHalvesToEvenAndOverflowOutOfRange) {
    for (const auto& [value, rounded] : {std::pair{-84.5, -84}, {-85.5, -86}, {-83.5, -84}, {-84.996, -85},
                                         {332.5, 332}, {367.5, 368}, {32767.4, 32767}, {-32768.5, -32768}})
        EXPECT_EQ(RoundToInt16(value), rounded) << value;
    for (const auto& [value, rounded] : {std::pair{466.6667, 467}, {66.5, 66}, {67.5, 68}})
        EXPECT_EQ(RoundToInt32(value), rounded) << value;
    for (const auto& call : std::vector<std::function<void()>>{[] { RoundToInt16(32767.5); }, [] { RoundToInt16(-32769); },
                                                               [] { RoundToInt32(2147483648.0); }, [] { RoundToInt32(std::nan("")); },
                                                               [] { ToSingle(1e39); }, [] { Currency::FromDouble(1e15); },
                                                               [] { Currency::FromScaled(39).TimesCount(~0ull); }})
        EXPECT_EQ(ErrorOf(call), 6);
    EXPECT_EQ(ErrorOf([] { TextToDouble("abc", kPoint); }), 13);
    for (const auto& [bytes, scaled] : {std::pair{512.0, 5}, {4096.0, 39}, {8192.0, 78}, {32768.0, 312}})
        EXPECT_EQ(Currency::FromDouble(bytes / 1048576.0).scaled(), scaled) << bytes;  // halves to even
    EXPECT_EQ(Currency::FromScaled(39).TimesCount(25'000'000).scaled(), 975'000'000);
}

TEST(Numbers, TextFollowsThePatternsAndTheLocale) {
    for (const auto& [value, text] : {std::pair{0.0, ""}, {7.0, "7"}, {100.0, "100"}, {0.4, ""}, {2.5, "3"}})
        EXPECT_EQ(FormatWholeDigits(value), text) << value;
    for (const auto& [value, text] : {std::pair{73.44, "73.4"}, {74.96, "75."}, {0.5, ".5"}, {100.0, "100."},
                                      {0.25, ".3"}, {0.0, "."}, {1.0, "1."}})
        EXPECT_EQ(FormatTenths(value, kPoint), text) << value;
    EXPECT_EQ(FormatTenths(95.99999159794486, kComma), "96,");
    for (const auto& [value, text] : {std::pair{1500.0f, "1500"}, {-45.0f, "-45"}, {-0.0f, "0"},
                                      {12345678.0f, "1.234568E+07"}, {0.1f, "0.1"}})
        EXPECT_EQ(SingleToText(value, kPoint), text) << value;
    EXPECT_EQ(SingleToText(1367.5f, kComma), "1367,5");
    for (const auto& [text, value] : {std::pair{"2220", 2220.0}, {" -45 ", -45.0}, {"+3", 3.0}, {"0800", 800.0},
                                      {"1.5", 1.5}, {"1E3", 1000.0}})
        EXPECT_EQ(ParseNumber(text, kPoint), value) << text;
    EXPECT_EQ(ParseNumber("1,5", kComma), 1.5);
    EXPECT_FALSE(ParseNumber("1.5", kComma));  // not this locale's separator
    for (const char* text : {"", "   ", "abc", "12a", "inf", "nan", "1e400"})
        EXPECT_FALSE(ParseNumber(text, kPoint)) << text;
}

}  // namespace
}  // namespace zeltavor

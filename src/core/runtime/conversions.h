#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number semantics every handler relies on: rounding into 16- and 32-bit
// integers, the display patterns, number text in the user's locale, and the
// four-decimal fixed-point amount used for disk space.
namespace zeltavor {

struct NumberLocale {
    std::string decimalSeparator = ".";
};

// Nearest integer, exact halves to the even neighbour; out of range or not a
// number raises an overflow error.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// Narrowing to single precision; a finite value beyond its range overflows.
float ToSingle(double value);

// The pattern "##": whole digits, halves away from zero, nothing at all for 0.
std::string FormatWholeDigits(double value);

// The pattern "##.#": one decimal place (halves away from zero), no leading
// zero, the separator always written, the tenths digit only when it is not 0.
std::string FormatTenths(double value, const NumberLocale& locale);

// A single as text: at most 7 significant digits, no trailing zeros, exponent
// form only for very large or very small magnitudes.
std::string SingleToText(float value, const NumberLocale& locale);

// Locale-aware number parsing. Surrounding blanks are allowed; an empty text,
// stray characters or a value beyond the double range are not a number.
std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale);
bool IsNumber(std::string_view text, const NumberLocale& locale);

// ParseNumber for callers that expect a number: anything else is a type
// mismatch error.
double TextToDouble(std::string_view text, const NumberLocale& locale);

// Fixed point with four decimal places in a signed 64-bit integer.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency FromScaled(std::int64_t scaled) { return Currency(scaled); }
    // Rounds to four decimal places, exact halves to even; overflow outside the range.
    static Currency FromDouble(double value);

    constexpr std::int64_t scaled() const { return scaled_; }
    double ToDouble() const;

    Currency operator-(Currency other) const;
    Currency TimesCount(std::uint64_t count) const;  // exact; overflow outside the range

    friend constexpr bool operator==(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t scaled) : scaled_(scaled) {}
    std::int64_t scaled_ = 0;
};

}  // namespace zeltavor

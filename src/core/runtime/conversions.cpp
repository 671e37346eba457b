#include "runtime/conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "runtime/errors.h"

namespace zeltavor {

namespace {

template <typename Int>
Int RoundHalfEven(double value) {
    // nearbyint rounds ties to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        throw OverflowError();
    return static_cast<Int>(rounded);
}

// |value| rounded half away from zero, as the display patterns round.
std::int64_t RoundAwayMagnitude(double magnitude) {
    const double rounded = std::round(magnitude);
    if (!(rounded < 9.2e18)) throw OverflowError();
    return static_cast<std::int64_t>(rounded);
}

std::string ReplaceDecimalPoint(std::string text, const NumberLocale& locale) {
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, locale.decimalSeparator);
    return text;
}

}  // namespace

std::int16_t RoundToInt16(double value) { return RoundHalfEven<std::int16_t>(value); }
std::int32_t RoundToInt32(double value) { return RoundHalfEven<std::int32_t>(value); }

float ToSingle(double value) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        throw OverflowError();
    return static_cast<float>(value);
}

std::string FormatWholeDigits(double value) {
    const std::int64_t digits = RoundAwayMagnitude(std::fabs(value));
    if (digits == 0) return {};
    return (value < 0 ? "-" : "") + std::to_string(digits);
}

std::string FormatTenths(double value, const NumberLocale& locale) {
    const std::int64_t tenths = RoundAwayMagnitude(std::fabs(value) * 10);
    std::string text = (value < 0 && tenths != 0) ? "-" : "";
    if (tenths / 10 != 0) text += std::to_string(tenths / 10);
    text += locale.decimalSeparator;
    if (tenths % 10 != 0) text += static_cast<char>('0' + tenths % 10);
    return text;
}

std::string SingleToText(float value, const NumberLocale& locale) {
    if (value == 0) return "0";  // also for -0
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    return ReplaceDecimalPoint(buffer, locale);
}

std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);

    // from_chars knows only the point; the locale's separator is mapped onto
    // it, and a point that is not the locale's separator is refused.
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        if (!locale.decimalSeparator.empty() && text.substr(i).starts_with(locale.decimalSeparator)) {
            plain += '.';
            i += locale.decimalSeparator.size();
            continue;
        }
        const char c = text[i++];
        const bool allowed = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed) return std::nullopt;
        plain += c;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IsNumber(std::string_view text, const NumberLocale& locale) {
    return ParseNumber(text, locale).has_value();
}

double TextToDouble(std::string_view text, const NumberLocale& locale) {
    const auto value = ParseNumber(text, locale);
    if (!value) throw TypeMismatchError();
    return *value;
}

Currency Currency::FromDouble(double value) {
    const double scaled = std::nearbyint(value * 10000.0);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0)) throw OverflowError();
    return Currency(static_cast<std::int64_t>(scaled));
}

double Currency::ToDouble() const { return static_cast<double>(scaled_) / 10000.0; }

Currency Currency::operator-(Currency other) const {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(scaled_, other.scaled_, &difference)) throw OverflowError();
    return Currency(difference);
}

Currency Currency::TimesCount(std::uint64_t count) const {
    std::int64_t product = 0;
    if (count > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) ||
        __builtin_mul_overflow(scaled_, static_cast<std::int64_t>(count), &product))
        throw OverflowError();
    return Currency(product);
}

}  // namespace zeltavor

// Axis value text: normal, prefix and scientific forms of a value with its precision.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vantrel/Error.h>
#include <vantrel/Rounding.h>
#include <vantrel/ValueText.h>

namespace vantrel {

namespace {

// Rounds to the nearest multiple of 10^-decimals, ties to even (2.5 -> 2, 0.125 -> 0.12 at
// 2 decimals): the value is scaled by 10^decimals, rounded to a whole number and scaled
// back, so a tie is judged on the scaled double (0.12345 -> 0.1234, 0.12355 -> 0.1236 at 4).
// Negative decimals leave the value alone. So does a scale at which the value has no
// fraction left to drop (scaled magnitude >= 2^52, or decimals above 308 where 10^decimals
// overflows); this keeps huge precisions exact and free of overflow.
double RoundToDecimals(double value, int32_t decimals)
{
    if (decimals < 0 || !std::isfinite(value))
        return value;
    double scale = std::pow(10.0, decimals);
    double scaled = value * scale;
    constexpr double wholeFromHere = 4503599627370496.0; // 2^52
    if (!std::isfinite(scaled) || std::fabs(scaled) >= wholeFromHere)
        return value;
    return RoundHalfEven(scaled) / scale;
}

// The decimal digits of a general number text, as the platform's pattern formatting reads
// them: rounding there works on these at most 15 digits, not on the binary value (100500
// has the digits 1005 and rounds up to 1.01E5).
struct DecimalDigits {
    bool negative = false;
    std::string digits = "0"; // significant digits, no leading or trailing zeros
    int exponent = 0; // decimal exponent of the first digit
};

DecimalDigits ReadGeneralText(std::string_view text)
{
    DecimalDigits number;
    if (!text.empty() && text.front() == '-') {
        number.negative = true;
        text.remove_prefix(1);
    }
    int exponentPart = 0;
    std::size_t e = text.find('E');
    if (e != std::string_view::npos) {
        std::string_view exponentText = text.substr(e + 1);
        bool negativeExponent = !exponentText.empty() && exponentText.front() == '-';
        if (!exponentText.empty() && (exponentText.front() == '-' || exponentText.front() == '+'))
            exponentText.remove_prefix(1);
        std::from_chars(
            exponentText.data(), exponentText.data() + exponentText.size(), exponentPart);
        if (negativeExponent)
            exponentPart = -exponentPart;
        text = text.substr(0, e);
    }
    std::size_t point = text.find('.');
    std::size_t integerDigits = point == std::string_view::npos ? text.size() : point;
    std::string all;
    for (char c : text) {
        if (c != '.')
            all += c;
    }
    std::size_t leadingZeros = all.find_first_not_of('0');
    if (leadingZeros == std::string::npos)
        return number;
    number.digits = all.substr(leadingZeros);
    while (number.digits.size() > 1 && number.digits.back() == '0')
        number.digits.pop_back();
    number.exponent
        = static_cast<int>(integerDigits) - 1 - static_cast<int>(leadingZeros) + exponentPart;
    return number;
}

// Keeps one integer digit and up to `decimals` more, rounding half up in magnitude on the
// decimal digits; a carry out of the first digit raises the exponent (9.9996 -> 1, E+1).
void RoundMantissa(DecimalDigits& number, int32_t decimals)
{
    // The digits never number more than 15, so larger counts change nothing.
    auto kept = static_cast<std::size_t>(std::min(decimals, 15)) + 1;
    std::string& digits = number.digits;
    if (digits.size() <= kept)
        return;
    bool roundUp = digits[kept] >= '5';
    digits.resize(kept);
    if (roundUp) {
        std::size_t i = kept;
        while (i > 0 && digits[i - 1] == '9') {
            digits[i - 1] = '0';
            --i;
        }
        if (i == 0) {
            digits = "1";
            ++number.exponent;
        } else {
            ++digits[i - 1];
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The platform's Format with the pattern "0.###E-0" (`decimals` characters "#"), or "0E-0"
// when decimals is 0: one integer digit; with a "." in the pattern the full stop is always
// written, followed by the decimals left after dropping trailing zeros; then "E", "-" only
// for a negative exponent, and the exponent without leading zeros.
std::string FormatExponentPattern(double value, int32_t decimals)
{
    DecimalDigits number = ReadGeneralText(GeneralNumberText(value));
    RoundMantissa(number, decimals);
    std::string text = number.negative ? "-" : "";
    text += number.digits.front();
    if (decimals > 0)
        text += "." + number.digits.substr(1);
    text += number.exponent < 0 ? "E-" : "E";
    text += std::to_string(std::abs(number.exponent));
    return text;
}

void RequireFinite(double value)
{
    if (!std::isfinite(value))
        throw Error(errOverflow);
}

} // namespace

std::string FormatValue(double value, int32_t format, int32_t precision)
{
    switch (format) {
    case 1:
        return FormatPrefix(value, precision);
    case 2:
        return FormatScientific(value, precision);
    default:
        return FormatNormal(value, precision);
    }
}

std::string FormatNormal(double value, int32_t precision)
{
    RequireFinite(value);
    return GeneralNumberText(RoundToDecimals(value, precision)) + " ";
}

std::string FormatPrefix(double value, int32_t precision)
{
    PrefixedValue prefixed = GetPrefix(value);
    return GeneralNumberText(RoundToDecimals(prefixed.Scaled, precision)) + " " + prefixed.Prefix;
}

std::string FormatScientific(double value, int32_t precision)
{
    RequireFinite(value);
    double magnitude = std::fabs(value);
    if (magnitude < 100.0 && (magnitude >= 0.1 || value == 0.0))
        return FormatNormal(value, precision);
    // A negative precision allows ten decimals.
    int32_t decimals = precision < 0 ? 10 : precision;
    std::string text = FormatExponentPattern(value, decimals);
    // Drops the full stop that the pattern leaves when every decimal was dropped.
    ReplaceAll(text, ".E", "E");
    return text + " ";
}

PrefixedValue GetPrefix(double value)
{
    RequireFinite(value);
    // Thresholds are the doubles nearest to the powers of ten. Large values are divided and
    // small ones multiplied by the power; either way an exact threshold scales to exactly 1.
    double magnitude = std::fabs(value);
    if (magnitude >= 1e9)
        return { value / 1e9, "G" };
    if (magnitude >= 1e6)
        return { value / 1e6, "M" };
    if (magnitude >= 1e3)
        return { value / 1e3, "K" };
    if (magnitude >= 1.0)
        return { value, "" };
    if (magnitude >= 1e-3)
        return { value * 1e3, "m" };
    if (magnitude >= 1e-6)
        return { value * 1e6, "u" };
    if (magnitude >= 1e-9)
        return { value * 1e9, "n" };
    if (magnitude >= 1e-12)
        return { value * 1e12, "p" };
    return { value, "" };
}

} // namespace vantrel

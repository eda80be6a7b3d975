// General number text: the platform's 15-significant-digit display conversion of a double.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vantrel/Error.h>
#include <vantrel/NumberText.h>

namespace vantrel {

namespace {

constexpr int significantDigits = 15;

// Decimal exponents from which the platform writes an exponent form (C's %.15G rule).
constexpr int lowestPlainExponent = -4;
constexpr int firstExponentForm = significantDigits;

// The rounded significant digits of a positive finite value, trailing zeros removed, and
// the decimal exponent of the first one: 1234.5 gives "12345" and 3.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};

SignificantDigits RoundToSignificant(double magnitude)
{
    // to_chars rounds correctly and ignores the C locale, unlike snprintf.
    char buffer[40];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
        std::chars_format::scientific, significantDigits - 1);
    if (error != std::errc())
        throw Error(errOverflow);
    // buffer holds d.dddddddddddddde<sign><digits>
    std::string text(buffer, end);
    std::size_t e = text.find('e');
    SignificantDigits result;
    result.digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (result.digits.size() > 1 && result.digits.back() == '0')
        result.digits.pop_back();
    int exponent = 0;
    const char* first = text.data() + e + 2;
    std::from_chars(first, text.data() + text.size(), exponent);
    result.exponent = text[e + 1] == '-' ? -exponent : exponent;
    return result;
}

std::string PlainText(const SignificantDigits& number)
{
    const std::string& digits = number.digits;
    if (number.exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-number.exponent - 1), '0') + digits;
    auto integerDigits = static_cast<std::size_t>(number.exponent) + 1;
    if (digits.size() <= integerDigits)
        return digits + std::string(integerDigits - digits.size(), '0');
    return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

std::string ExponentText(const SignificantDigits& number)
{
    std::string text = number.digits.substr(0, 1);
    if (number.digits.size() > 1)
        text += "." + number.digits.substr(1);
    text += number.exponent < 0 ? "E-" : "E+";
    int magnitude = std::abs(number.exponent);
    if (magnitude < 10)
        text += '0';
    return text + std::to_string(magnitude);
}

} // namespace

std::string GeneralNumberText(double value)
{
    if (!std::isfinite(value))
        throw Error(errOverflow);
    // Also catches negative zero, which is shown without its sign.
    if (value == 0.0)
        return "0";
    SignificantDigits number = RoundToSignificant(std::fabs(value));
    // The switch looks at the exponent after rounding to 15 digits:
    // 999999999999999.9 becomes 1E+15 and 0.000099999999999999999 becomes 0.0001.
    bool plain = number.exponent >= lowestPlainExponent && number.exponent < firstExponentForm;
    std::string text = plain ? PlainText(number) : ExponentText(number);
    return value < 0.0 ? "-" + text : text;
}

} // namespace vantrel

// Variant to scalar conversions with the platform's errors.
#include "core/VariantConversion.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <vantrel/Error.h>
#include <vantrel/NumberText.h>
#include <vantrel/Rounding.h>

namespace vantrel {

namespace {

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool EqualsIgnoringCase(const std::string& a, const char* b)
{
    return std::equal(a.begin(), a.end(), b, b + std::char_traits<char>::length(b),
        [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == y; });
}

// Decimal numbers with optional sign, fraction and exponent, or &H / &O integers.
double ParseNumber(const std::string& text)
{
    const std::string t = Trimmed(text);
    if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o')) {
        const int base = (t[1] == 'H' || t[1] == 'h') ? 16 : 8;
        char* end = nullptr;
        const unsigned long long v = std::strtoull(t.c_str() + 2, &end, base);
        if (*end != '\0' || v > 0xFFFFFFFFull)
            throw Error(errTypeMismatch);
        // Like the platform, &H literals are 32-bit two's complement values.
        return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
    }
    const bool plain = !t.empty() && std::all_of(t.begin(), t.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.'
            || c == 'e' || c == 'E';
    });
    if (!plain)
        throw Error(errTypeMismatch);
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0')
        throw Error(errTypeMismatch);
    if (!std::isfinite(v))
        throw Error(errOverflow);
    return v;
}

// Every numeric alternative as a double; Boolean True is -1.
double NumericValue(const Variant& value)
{
    return std::visit(
        [](const auto& v) -> double {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Empty>)
                return 0.0;
            else if constexpr (std::is_same_v<T, bool>)
                return v ? -1.0 : 0.0;
            else if constexpr (std::is_same_v<T, std::string>)
                return ParseNumber(v);
            else if constexpr (std::is_same_v<T, Object>)
                throw Error(errTypeMismatch);
            else
                return static_cast<double>(v);
        },
        value);
}

} // namespace

int32_t VariantToLong(const Variant& value) { return CLng(NumericValue(value)); }

int16_t VariantToInteger(const Variant& value) { return CInt(NumericValue(value)); }

bool VariantToBoolean(const Variant& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) {
        const std::string t = Trimmed(*text);
        if (EqualsIgnoringCase(t, "true"))
            return true;
        if (EqualsIgnoringCase(t, "false"))
            return false;
    }
    const double v = NumericValue(value);
    return v != 0.0;
}

float VariantToSingle(const Variant& value)
{
    const double v = NumericValue(value);
    if (std::isnan(v) || std::fabs(v) > FLT_MAX)
        throw Error(errOverflow);
    return static_cast<float>(v);
}

double VariantToDouble(const Variant& value) { return NumericValue(value); }

std::string VariantToString(const Variant& value)
{
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Empty>)
                return {};
            else if constexpr (std::is_same_v<T, bool>)
                return v ? "True" : "False";
            else if constexpr (std::is_same_v<T, std::string>)
                return v;
            else if constexpr (std::is_same_v<T, Object>)
                throw Error(errTypeMismatch);
            else if constexpr (std::is_integral_v<T>)
                return std::to_string(v);
            else
                return GeneralNumberText(static_cast<double>(v));
        },
        value);
}

} // namespace vantrel

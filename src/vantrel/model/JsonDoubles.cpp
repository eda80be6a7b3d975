// Doubles in JSON text: special values as strings, arrays as numbers or base64.
#include "model/JsonDoubles.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace vantrel::json {

namespace {

constexpr uint64_t kCanonicalNaN = 0x7FF8000000000000ull;
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<uint8_t, 256> DecodeTable()
{
    std::array<uint8_t, 256> table {};
    table.fill(0xFF);
    for (uint8_t i = 0; i < 64; ++i)
        table[static_cast<uint8_t>(kAlphabet[i])] = i;
    return table;
}
constexpr std::array<uint8_t, 256> kDecode = DecodeTable();

uint64_t LittleEndianBits(double value)
{
    uint64_t bits = std::bit_cast<uint64_t>(value);
    if constexpr (std::endian::native == std::endian::big)
        bits = __builtin_bswap64(bits);
    return bits;
}

double FromLittleEndianBits(uint64_t bits)
{
    if constexpr (std::endian::native == std::endian::big)
        bits = __builtin_bswap64(bits);
    return std::bit_cast<double>(bits);
}

} // namespace

Json DoubleToJson(double value)
{
    if (std::isfinite(value))
        return value;
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    const auto bits = std::bit_cast<uint64_t>(value);
    if (bits == kCanonicalNaN)
        return "NaN";
    char text[19] = "0x";
    std::to_chars(text + 2, text + 18, bits, 16);
    // to_chars writes no leading zeros; every NaN has its top hex digit at 7 or f, so 16 digits.
    return std::string(text, 18);
}

std::optional<double> DoubleFromJson(const Json& value)
{
    switch (value.type()) {
    case Json::value_t::number_float:
        return value.get<double>();
    case Json::value_t::number_integer:
        return static_cast<double>(value.get<int64_t>());
    case Json::value_t::number_unsigned:
        return static_cast<double>(value.get<uint64_t>());
    case Json::value_t::string:
        break;
    default:
        return std::nullopt;
    }
    const auto& text = value.get_ref<const std::string&>();
    if (text == "NaN")
        return std::bit_cast<double>(kCanonicalNaN);
    if (text == "Infinity")
        return HUGE_VAL;
    if (text == "-Infinity")
        return -HUGE_VAL;
    if (text.size() == 18 && text[0] == '0' && text[1] == 'x') {
        uint64_t bits = 0;
        const auto [end, error] = std::from_chars(text.data() + 2, text.data() + 18, bits, 16);
        if (error == std::errc() && end == text.data() + 18)
            return std::bit_cast<double>(bits);
    }
    return std::nullopt;
}

Json ArrayToJson(const DoubleArray& array)
{
    Json out = Json::object();
    out["LBound"] = array.LBound();
    if (array.Count() > kBase64Threshold) {
        out["Count"] = array.Count();
        out["Base64"] = EncodeDoubles(array.Data(), static_cast<std::size_t>(array.Count()));
        return out;
    }
    Json values = Json::array();
    for (double value : array.Values())
        values.push_back(DoubleToJson(value));
    out["Values"] = std::move(values);
    return out;
}

std::string EncodeDoubles(const double* values, std::size_t count)
{
    const std::size_t bytes = count * 8;
    std::string text((bytes + 2) / 3 * 4, '=');
    std::vector<uint8_t> raw(bytes);
    for (std::size_t i = 0; i < count; ++i) {
        const uint64_t bits = LittleEndianBits(values[i]);
        std::memcpy(raw.data() + i * 8, &bits, 8);
    }
    char* out = text.data();
    std::size_t i = 0;
    for (; i + 3 <= bytes; i += 3) {
        const uint32_t triple = uint32_t(raw[i]) << 16 | uint32_t(raw[i + 1]) << 8 | raw[i + 2];
        *out++ = kAlphabet[triple >> 18];
        *out++ = kAlphabet[(triple >> 12) & 63];
        *out++ = kAlphabet[(triple >> 6) & 63];
        *out++ = kAlphabet[triple & 63];
    }
    if (i < bytes) {
        const uint32_t triple
            = uint32_t(raw[i]) << 16 | (i + 1 < bytes ? uint32_t(raw[i + 1]) << 8 : 0);
        *out++ = kAlphabet[triple >> 18];
        *out++ = kAlphabet[(triple >> 12) & 63];
        if (i + 1 < bytes)
            *out++ = kAlphabet[(triple >> 6) & 63];
    }
    return text;
}

bool DecodeDoubles(std::string_view text, std::size_t count, double* values)
{
    const std::size_t bytes = count * 8;
    if (count > SIZE_MAX / 8 || text.size() != (bytes + 2) / 3 * 4)
        return false;
    const std::size_t padding = (3 - bytes % 3) % 3;
    for (std::size_t k = 0; k < padding; ++k)
        if (text[text.size() - 1 - k] != '=')
            return false;
    const auto* in = reinterpret_cast<const uint8_t*>(text.data());
    auto* out = reinterpret_cast<uint8_t*>(values);
    uint32_t bad = 0;
    std::size_t o = 0;
    const std::size_t fullGroups = bytes / 3;
    for (std::size_t g = 0; g < fullGroups; ++g, in += 4) {
        const uint32_t a = kDecode[in[0]], b = kDecode[in[1]], c = kDecode[in[2]],
                       d = kDecode[in[3]];
        bad |= a | b | c | d;
        const uint32_t triple = a << 18 | b << 12 | c << 6 | d;
        out[o++] = static_cast<uint8_t>(triple >> 16);
        out[o++] = static_cast<uint8_t>(triple >> 8);
        out[o++] = static_cast<uint8_t>(triple);
    }
    if (o < bytes) {
        const uint32_t a = kDecode[in[0]], b = kDecode[in[1]];
        const uint32_t c = o + 1 < bytes ? kDecode[in[2]] : 0;
        bad |= a | b | c;
        const uint32_t triple = a << 18 | b << 12 | c << 6;
        // Canonical form only: the bits below the last byte must be zero.
        if ((o + 1 < bytes ? (triple & 0xFF) : (triple & 0xFFFF)) != 0)
            return false;
        out[o++] = static_cast<uint8_t>(triple >> 16);
        if (o < bytes)
            out[o++] = static_cast<uint8_t>(triple >> 8);
    }
    if (bad & 0xC0)
        return false;
    if constexpr (std::endian::native == std::endian::big)
        for (std::size_t i = 0; i < count; ++i)
            values[i] = FromLittleEndianBits(std::bit_cast<uint64_t>(values[i]));
    return true;
}

} // namespace vantrel::json

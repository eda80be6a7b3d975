// Doubles in JSON text, exact to the bit: single values and whole arrays.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vantrel/DoubleArray.h>

namespace vantrel::json {

using Json = nlohmann::ordered_json;

// Arrays with more elements than this are written as base64 instead of a list of numbers.
constexpr int32_t kBase64Threshold = 64;

// A finite value is a JSON number (-0.0 and subnormals included: the number text is the
// shortest that reads back to the same bits). Others are strings: "NaN" (the quiet NaN of
// positive sign and zero payload), "Infinity", "-Infinity", and for every other NaN "0x" and
// the 16 hexadecimal digits of its bits.
Json DoubleToJson(double value);
// Accepts JSON numbers (integers too) and the strings above; nothing otherwise.
std::optional<double> DoubleFromJson(const Json& value);

// { "LBound": n, "Values": [ ... ] } or { "LBound": n, "Count": c, "Base64": "..." }.
Json ArrayToJson(const DoubleArray& array);

// Base64 (RFC 4648, padded) of the doubles as little-endian bytes.
std::string EncodeDoubles(const double* values, std::size_t count);
// False when the text is not padded base64 of exactly `count` doubles.
bool DecodeDoubles(std::string_view text, std::size_t count, double* values);

} // namespace vantrel::json

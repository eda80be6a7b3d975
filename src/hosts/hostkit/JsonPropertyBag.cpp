// The JSON property file: loading into a fresh bag, saving through a temporary file.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string_view>
#include <vantrel/Error.h>
#include <vantrel/JsonPropertyBag.h>

namespace vantrel {

namespace {

using Json = nlohmann::ordered_json;

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// nlohmann reports the count of bytes read up to and including the offending one.
std::string PositionText(std::string_view text, std::size_t bytesRead)
{
    const std::size_t offset = std::min(bytesRead > 0 ? bytesRead - 1 : 0, text.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    std::ostringstream out;
    out << "line " << line << ", column " << (offset - lineStart + 1) << " (byte offset " << offset
        << ")";
    return out.str();
}

// The parser's own explanation, without its "[json.exception...] parse error at ...: " head.
std::string ParseReason(const nlohmann::json::parse_error& e)
{
    const std::string_view what = e.what();
    const auto at = what.find("parse error");
    const auto colon = what.find(": ", at == std::string_view::npos ? 0 : at);
    return std::string(colon == std::string_view::npos ? what : what.substr(colon + 2));
}

Variant FromJson(const std::string& path, const std::string& key, const Json& value)
{
    switch (value.type()) {
    case Json::value_t::null:
        return Empty {};
    case Json::value_t::boolean:
        return value.get<bool>();
    case Json::value_t::number_integer: {
        const auto n = value.get<int64_t>();
        if (n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max())
            return static_cast<int32_t>(n);
        return static_cast<double>(n);
    }
    case Json::value_t::number_unsigned: {
        const auto n = value.get<uint64_t>();
        if (n <= static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
            return static_cast<int32_t>(n);
        return static_cast<double>(n);
    }
    case Json::value_t::number_float:
        return value.get<double>();
    case Json::value_t::string:
        return value.get<std::string>();
    default:
        throw Error(errInvalidPropertyValue,
            "Property file " + Quoted(path) + ": the value of '" + key + "' is " + value.type_name()
                + "; only numbers, strings, Booleans and null are read");
    }
}

// The shortest decimal form that reads back to the same single, as a double.
double SingleAsDouble(float value)
{
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double result = value;
    std::from_chars(text, written.ptr, result);
    return result;
}

Json ToJson(const std::string& path, const std::string& key, const Variant& value)
{
    const auto refuse = [&](int32_t number, const std::string& why) {
        return Error(number, "Cannot save property '" + key + "' to " + Quoted(path) + ": " + why);
    };
    const auto finite = [&](double d) {
        if (!std::isfinite(d))
            throw refuse(errInvalidPropertyValue, "a JSON file cannot hold NaN or infinity");
        return d;
    };
    return std::visit(
        [&](const auto& v) -> Json {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Empty>) {
                return nullptr;
            } else if constexpr (
                std::is_same_v<T,
                    bool> || std::is_same_v<T, int16_t> || std::is_same_v<T, int32_t>) {
                return v;
            } else if constexpr (std::is_same_v<T, float>) {
                return SingleAsDouble(static_cast<float>(finite(v)));
            } else if constexpr (std::is_same_v<T, double>) {
                return finite(v);
            } else if constexpr (std::is_same_v<T, std::string>) {
                Json text = v;
                try {
                    (void)text.dump();
                } catch (const nlohmann::json::type_error&) {
                    throw refuse(errInvalidPropertyValue, "the text is not valid UTF-8");
                }
                return text;
            } else {
                throw refuse(errTypeMismatch, "an object cannot be saved to a file");
            }
        },
        value);
}

} // namespace

void JsonPropertyBag::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error(errFileNotFound, "Cannot open property file " + Quoted(path));
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        throw Error(errFileAccess, "Cannot read property file " + Quoted(path));
    const std::string text = buffer.str();

    Json document;
    try {
        document = Json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
        throw Error(errInvalidPropertyValue,
            "Malformed property file " + Quoted(path) + " at " + PositionText(text, e.byte) + ": "
                + ParseReason(e));
    }
    if (!document.is_object())
        throw Error(errInvalidPropertyValue,
            "Property file " + Quoted(path) + " holds " + document.type_name()
                + " where a JSON object is expected");

    MemoryPropertyBag fresh;
    for (const auto& [key, value] : document.items())
        fresh.Set(key, FromJson(path, key, value));
    static_cast<MemoryPropertyBag&>(*this) = std::move(fresh);
}

void JsonPropertyBag::Save(const std::string& path) const
{
    Json document = Json::object();
    for (const Entry& entry : Entries())
        document[entry.Key] = ToJson(path, entry.Key, entry.Value);
    const std::string text = document.dump(2) + "\n";

    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            throw Error(errFileAccess, "Cannot write property file " + Quoted(path));
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw Error(errFileAccess, "Cannot write property file " + Quoted(path));
    }
}

} // namespace vantrel

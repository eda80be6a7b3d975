// The JSON property file: loading into a fresh bag, saving through a temporary file.
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
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
                return v;
            } else {
                throw refuse(errTypeMismatch, "an object cannot be saved to a file");
            }
        },
        value);
}

// The whole file, or 53 when there is none at the path and 75 when what is there cannot be
// read as a file (a directory, a device, a FIFO, no permission, a read error), with the
// system's reason.
std::string ReadWholeFile(const std::string& path)
{
    const auto refuse = [&](int32_t number, const std::string& why) {
        return Error(number, "Cannot read property file " + Quoted(path) + ": " + why);
    };
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        throw refuse(error == ENOENT || error == ENOTDIR ? errFileNotFound : errFileAccess,
            std::strerror(error));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer { fd };
    struct stat info { };
    if (::fstat(fd, &info) != 0)
        throw refuse(errFileAccess, std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        throw refuse(errFileAccess, "it is a directory");
    if (!S_ISREG(info.st_mode))
        throw refuse(errFileAccess, "it is not a regular file");
    std::string text;
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got == 0)
            return text;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw refuse(errFileAccess, std::strerror(errno));
        }
        text.append(block, static_cast<std::size_t>(got));
    }
}

// A JSON value as text; 380 for a key or string that is not valid UTF-8.
std::string DumpChecked(
    const std::string& path, const std::string& key, const Json& value, const char* what)
{
    try {
        return value.dump();
    } catch (const nlohmann::json::type_error&) {
        throw Error(errInvalidPropertyValue,
            "Cannot save property '" + key + "' to " + Quoted(path) + ": the " + what
                + " is not valid UTF-8");
    }
}

// Streams the members of the top-level object into a bag as they are parsed: linear in the
// size of the file, and every failure an Error 380 that says where and what.
class BagReader {
public:
    BagReader(const std::string& path, const std::string& text, MemoryPropertyBag& bag)
        : path_(path)
        , text_(text)
        , bag_(bag)
    {
    }

    bool null() { return Value(Empty {}); }
    bool boolean(bool value) { return Value(value); }
    bool number_integer(Json::number_integer_t n)
    {
        if (n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max())
            return Value(static_cast<int32_t>(n));
        return Value(static_cast<double>(n));
    }
    bool number_unsigned(Json::number_unsigned_t n)
    {
        if (n <= static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
            return Value(static_cast<int32_t>(n));
        return Value(static_cast<double>(n));
    }
    bool number_float(Json::number_float_t value, const std::string&) { return Value(value); }
    bool string(std::string& value) { return Value(std::move(value)); }
    bool binary(Json::binary_t&) { return Nested("binary"); }
    bool start_object(std::size_t)
    {
        if (depth_ > 0)
            return Nested("object");
        depth_ = 1;
        return true;
    }
    bool key(std::string& name)
    {
        key_ = std::move(name);
        return true;
    }
    bool end_object() { return true; }
    bool start_array(std::size_t) { return Nested("array"); }
    bool end_array() { return true; }
    bool parse_error(std::size_t byte, const std::string&, const nlohmann::json::exception& e)
    {
        throw Error(errInvalidPropertyValue,
            "Malformed property file " + Quoted(path_) + " at " + PositionText(text_, byte) + ": "
                + Reason(e));
    }

private:
    bool Value(Variant value)
    {
        if (depth_ == 0)
            return Nested(TypeName(value));
        bag_.Set(key_, std::move(value));
        return true;
    }

    bool Nested(const std::string& type)
    {
        if (depth_ == 0)
            throw Error(errInvalidPropertyValue,
                "Property file " + Quoted(path_) + " holds " + type
                    + " where a JSON object is expected");
        throw Error(errInvalidPropertyValue,
            "Property file " + Quoted(path_) + ": the value of '" + key_ + "' is " + type
                + "; only numbers, strings, Booleans and null are read");
    }

    static std::string TypeName(const Variant& value)
    {
        if (std::holds_alternative<Empty>(value))
            return "null";
        if (std::holds_alternative<bool>(value))
            return "boolean";
        if (std::holds_alternative<std::string>(value))
            return "string";
        return "number";
    }

    // The parser's own explanation, without its "[json.exception...] ... : " head.
    static std::string Reason(const nlohmann::json::exception& e)
    {
        const std::string_view what = e.what();
        const auto at = what.find("parse error");
        const auto colon = what.find(": ", at == std::string_view::npos ? 0 : at);
        return std::string(colon == std::string_view::npos ? what : what.substr(colon + 2));
    }

    const std::string& path_;
    const std::string& text_;
    MemoryPropertyBag& bag_;
    std::string key_;
    int depth_ = 0;
};

} // namespace

void JsonPropertyBag::Load(const std::string& path)
{
    const std::string text = ReadWholeFile(path);
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos)
        throw Error(errInvalidPropertyValue,
            "Malformed property file " + Quoted(path) + " at " + PositionText(text, nul + 1)
                + ": a NUL byte, which JSON text cannot hold");

    MemoryPropertyBag fresh;
    BagReader reader(path, text, fresh);
    try {
        Json::sax_parse(text, &reader);
    } catch (const nlohmann::json::exception& e) {
        // The reader turns every parse failure into an Error; this is for anything else.
        throw Error(
            errInvalidPropertyValue, "Malformed property file " + Quoted(path) + ": " + e.what());
    }
    static_cast<MemoryPropertyBag&>(*this) = std::move(fresh);
}

// Written member by member in dump(2)'s layout: an ordered JSON object looks keys up one by
// one, which would make saving quadratic in the count.
void JsonPropertyBag::Save(const std::string& path) const
{
    std::string text = "{";
    const char* separator = "\n  ";
    for (const Entry& entry : Entries()) {
        text += separator;
        text += DumpChecked(path, entry.Key, Json(entry.Key), "key");
        text += ": ";
        text += DumpChecked(path, entry.Key, ToJson(path, entry.Key, entry.Value), "text");
        separator = ",\n  ";
    }
    text += Entries().empty() ? "}\n" : "\n}\n";

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

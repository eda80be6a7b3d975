// What the GraphData JSON reader and writer share: the format's tag and version, and how a
// reading problem names its place in the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel::json {

constexpr const char* kFormatTag = "vantrel-graphdata";
constexpr int32_t kFormatVersion = 1;

// Line and column (both from 1, the column in bytes) of a byte offset of the text.
struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;
};
TextPosition PositionOf(std::string_view text, std::size_t offset);

// Where the value that the JSON Pointer (RFC 6901) names starts in a well-formed JSON text, or
// the offset of the end of the text when there is no such value.
std::size_t LocatePointer(std::string_view text, const std::string& pointer);

} // namespace vantrel::json

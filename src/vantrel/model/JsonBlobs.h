// Big base64 arrays lifted out of a GraphData JSON text before it is parsed, so that the JSON
// parser, which reads a character at a time, never walks through them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::json {

// The text with the contents of every "Base64" string of kMinBlob or more characters replaced
// by a placeholder, and the lifted contents in order. Replacing plain characters inside a string
// by other plain characters changes neither the text's validity nor its structure, so the
// skeleton parses exactly where the text does; only byte positions differ (reading errors are
// located in the original text).
struct LiftedText {
    std::string skeleton;
    std::vector<std::string_view> blobs;
};

constexpr std::size_t kMinBlob = 4096;

// Nothing when the text holds no big "Base64" string, or holds the escape \u0000, with which a
// text could spell a placeholder of its own.
std::optional<LiftedText> LiftBlobs(std::string_view text);

// The lifted contents a placeholder string stands for; nothing for any other string.
std::optional<std::string_view> LiftedBlob(
    const std::string& value, const std::vector<std::string_view>& blobs);

} // namespace vantrel::json

// Lifting big base64 strings out of a JSON text, and finding them again by their placeholders.
#include "model/JsonBlobs.h"

#include <charconv>
#include <cstring>

namespace vantrel::json {

namespace {

// The placeholder: a NUL character (which a JSON text can only spell as \u0000) and the index.
constexpr char kMark = '\0';

bool Escaped(std::string_view text, std::size_t quote)
{
    std::size_t slashes = 0;
    while (quote > slashes && text[quote - 1 - slashes] == '\\')
        ++slashes;
    return slashes % 2 == 1;
}

} // namespace

std::optional<LiftedText> LiftBlobs(std::string_view text)
{
    if (text.size() < kMinBlob || text.find("\\u0000") != std::string_view::npos)
        return std::nullopt;
    static constexpr std::string_view kKey = "\"Base64\"";
    LiftedText lifted;
    std::size_t copied = 0;
    std::size_t at = 0;
    while ((at = text.find(kKey, at)) != std::string_view::npos) {
        std::size_t p = at + kKey.size();
        if (Escaped(text, at)) {
            at = p;
            continue;
        }
        while (p < text.size()
            && (text[p] == ' ' || text[p] == '\t' || text[p] == '\n' || text[p] == '\r'))
            ++p;
        if (p < text.size() && text[p] == ':')
            ++p;
        else {
            at = p;
            continue;
        }
        while (p < text.size()
            && (text[p] == ' ' || text[p] == '\t' || text[p] == '\n' || text[p] == '\r'))
            ++p;
        if (p >= text.size() || text[p] != '"') {
            at = p;
            continue;
        }
        const std::size_t start = p + 1;
        const void* close = std::memchr(text.data() + start, '"', text.size() - start);
        if (close == nullptr)
            break;
        const std::size_t end
            = static_cast<std::size_t>(static_cast<const char*>(close) - text.data());
        at = end + 1;
        if (end - start < kMinBlob
            || std::memchr(text.data() + start, '\\', end - start) != nullptr)
            continue;
        lifted.skeleton.append(text.data() + copied, start - copied);
        lifted.skeleton += "\\u0000";
        lifted.skeleton += std::to_string(lifted.blobs.size());
        lifted.blobs.push_back(text.substr(start, end - start));
        copied = end;
    }
    if (lifted.blobs.empty())
        return std::nullopt;
    lifted.skeleton.append(text.data() + copied, text.size() - copied);
    return lifted;
}

std::optional<std::string_view> LiftedBlob(
    const std::string& value, const std::vector<std::string_view>& blobs)
{
    if (value.size() < 2 || value[0] != kMark)
        return std::nullopt;
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(value.data() + 1, value.data() + value.size(), index);
    if (error != std::errc() || end != value.data() + value.size() || index >= blobs.size())
        return std::nullopt;
    return blobs[index];
}

} // namespace vantrel::json

// The delimiter the user chose, rewritten as the one the parser detects first.
#include "DelimiterOverride.h"

namespace vantrel::view {

std::string WithDelimiter(std::string_view text, char delimiter)
{
    if (delimiter == 0 || delimiter == '\t')
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == delimiter) {
            out.push_back('\t');
            if (delimiter == ' ')
                while (i + 1 < text.size() && text[i + 1] == ' ')
                    ++i;
        } else {
            out.push_back(c == '\t' ? ' ' : c);
        }
    }
    return out;
}

} // namespace vantrel::view

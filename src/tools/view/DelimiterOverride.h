// A delimiter the user names, for files whose first line misleads the detection.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::view {

// The text with `delimiter` turned into a tab, which the detection takes first: every comma or
// semicolon, or every run of spaces. Tabs that were not the delimiter become blanks, which the
// parser ignores around fields. A delimiter of 0 or a tab returns the text unchanged.
std::string WithDelimiter(std::string_view text, char delimiter);

} // namespace vantrel::view

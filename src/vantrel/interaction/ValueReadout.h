// The plot area's read-out of the values under the pointer: the tooltip text.
#pragma once

#include <string>
#include <string_view>
#include <vantrel/Records.h>

namespace vantrel::interaction {

// Removes space characters at the start and at the end only (tabs and other white space stay).
std::string TrimSpaces(std::string_view text);

// The tooltip for the values x and y with the axes' formats: for each axis whose ToolTipValues
// is on, the trimmed FormatValue text of its value followed directly by its Units; both parts
// joined by ", "; empty when neither axis wants its value shown. Raises Error 6 for a
// non-finite value of an axis that is shown, as FormatValue does.
std::string ToolTipText(
    double x, double y, const AxisFormatRecord& xFormat, const AxisFormatRecord& yFormat);

} // namespace vantrel::interaction

// The plot area's read-out of the values under the pointer.
#include "interaction/ValueReadout.h"

#include <vantrel/ValueText.h>

namespace vantrel::interaction {

namespace {

std::string AxisPart(double value, const AxisFormatRecord& format)
{
    return TrimSpaces(FormatValue(value, format.ValueFormat, format.ValuePrecision) + format.Units);
}

} // namespace

std::string TrimSpaces(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string ToolTipText(
    double x, double y, const AxisFormatRecord& xFormat, const AxisFormatRecord& yFormat)
{
    std::string text;
    if (xFormat.ToolTipValues) {
        text = AxisPart(x, xFormat);
        if (yFormat.ToolTipValues)
            text += ", ";
    }
    if (yFormat.ToolTipValues)
        text += AxisPart(y, yFormat);
    return text;
}

} // namespace vantrel::interaction

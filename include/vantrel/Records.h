// Value records shared by the model and the control: bounds and axis format.
#pragma once

#include <cstdint>
#include <string>
#include <vantrel/Enums.h>

namespace vantrel {

struct BoundsRecord {
    double XMin = 0.0;
    double XMax = 0.0;
    double YMin = 0.0;
    double YMax = 0.0;

    bool operator==(const BoundsRecord&) const = default;
};

// Field defaults are those of a new AxisFormat.
struct AxisFormatRecord {
    std::string Name;
    GraphGridStyleConstants GridStyle = ggsLines;
    int32_t GridLines = 10;
    int32_t GridColor = 0xC0C0C0;
    double Origin = 0.0;
    int32_t OriginColor = 0xC0C0C0;
    GraphGridStyleConstants OriginStyle = ggsLines;
    std::string Units;
    bool Values = true;
    bool ToolTipValues = true;
    GraphAxisValueFormatConstants ValueFormat = gavNormal;
    int32_t ValuePrecision = 3;

    bool operator==(const AxisFormatRecord&) const = default;
};

} // namespace vantrel

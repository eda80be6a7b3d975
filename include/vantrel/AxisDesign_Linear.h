// AxisDesign_Linear: pixel = value * Conv + Offset, grid at round steps of the value precision.
#pragma once

#include <vantrel/AxisDesign_Scaled.h>

namespace vantrel {

// The scale is the value itself. GetValue gives (lPtPixel - Offset) / Conv; grid value number i
// is GridOrigin + (GridFirst + i) * GridStep, with GridOrigin the format's Origin.
class AxisDesign_Linear : public AxisDesign_Scaled {
public:
    int32_t TypeID() const override { return 0; }

private:
    bool AcceptsBounds(double value1, double value2) const override;
    double ToScale(double value) const override { return value; }
    double FromScale(double position) const override { return position; }
    double AdjustGridStep(double step, const AxisFormat& format) const override;
};

} // namespace vantrel

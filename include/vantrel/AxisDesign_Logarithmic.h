// AxisDesign_Logarithmic: pixel = log10(value) * Conv + Offset, grid evenly spaced in decades.
#pragma once

#include <vantrel/AxisDesign_Scaled.h>

namespace vantrel {

// Min and Max are the bound values themselves; Conv, Offset and the grid fields work on base-10
// logarithms. Any value below 1e-9 (zero and negatives included) counts as 1e-9.
//
// GetValue gives 10 raised to the logarithm at lPtPixel and raises Error 6 when the power
// overflows; GridValue gives 10 raised to GridOrigin + (GridFirst + Index) * GridStep. A bound of
// 0 or below, or two bounds at or below 1e-9, make SetBounds give False.
class AxisDesign_Logarithmic : public AxisDesign_Scaled {
public:
    int32_t TypeID() const override { return 1; }

private:
    bool AcceptsBounds(double value1, double value2) const override;
    double ToScale(double value) const override;
    double FromScale(double position) const override;
    double AdjustGridStep(double step, const AxisFormat& format) const override;
};

} // namespace vantrel

// AxisDesign_Linear: set-up of the linear conversion and grid, and the queries on them.
#include "axis/AxisModuleArithmetic.h"

#include <calcora/Calcora.h>
#include <vantrel/AxisDesign_Linear.h>
#include <vantrel/AxisModule.h>

namespace vantrel {

using namespace axisarith;

int32_t AxisDesign_Linear::GetPixel(double dPtValue) const
{
    if (!convInit_)
        return 0;
    return CalcPixel(dPtValue, offset_, conv_);
}

double AxisDesign_Linear::GetValue(int32_t lPtPixel) const
{
    if (!convInit_)
        return 0.0;
    return CalcValue(lPtPixel, offset_, conv_);
}

int32_t AxisDesign_Linear::GridCount() const { return convInit_ ? gridCount_ : 0; }

double AxisDesign_Linear::GridValue(int32_t Index) const
{
    if (!convInit_)
        return 0.0;
    return CalcGridValue(gridOrigin_, gridFirst_, gridStep_, Index);
}

bool AxisDesign_Linear::SetBounds(int32_t lPtPixel1, int32_t lPtPixel2, double dPtValue1,
    double dPtValue2, const Ref<AxisFormat>& AF)
{
    min_ = Less(dPtValue1, dPtValue2);
    max_ = More(dPtValue1, dPtValue2);
    if (!InitConv(lPtPixel1, lPtPixel2, dPtValue1, dPtValue2))
        return false;
    if (!AF)
        return false;
    if (AF->GridStyle() == ggsNone) {
        gridInit_ = false;
        return true;
    }
    return InitGrid(*AF, max_, min_);
}

// Fields are assigned step by step; a failure part-way leaves the earlier ones with their new
// values and ConvInit False.
bool AxisDesign_Linear::InitConv(int32_t pixel1, int32_t pixel2, double value1, double value2)
{
    convInit_ = false;
    // A NaN bound compares as equal.
    bool valuesEqual = !(value1 < value2 || value1 > value2);
    if (pixel1 == pixel2 || valuesEqual)
        return false;
    try {
        conv_ = CalcConv(pixel1, pixel2, value1, value2);
        offset_ = CalcOffset(conv_, pixel1, value1);
    } catch (const Error&) {
        return false;
    }
    // NaN counts as 0.
    convInit_ = conv_ < 0.0 || conv_ > 0.0;
    return convInit_;
}

// Like InitConv, a failure part-way keeps the fields already assigned.
bool AxisDesign_Linear::InitGrid(const AxisFormat& format, double upper, double lower)
{
    gridInit_ = false;
    try {
        gridOrigin_ = format.Origin();
        gridStep_ = CalcGridStep(upper, lower, format.GridLines());
        // Round the step up to a whole multiple of 10^-P so that P decimals show every grid
        // value exactly. No tolerance: 0.30000000000000004 with P = 1 becomes 0.4.
        double scale = Pow10(static_cast<double>(format.ValuePrecision()));
        gridStep_ = Div(Ceil(Mul(gridStep_, scale)), scale);
        gridFirst_ = CalcGridFirst(lower, gridOrigin_, gridStep_);
        gridCount_ = CalcGridCount(upper, gridOrigin_, gridFirst_, gridStep_);
    } catch (const Error&) {
        return false;
    }
    gridInit_ = gridStep_ > 0.0;
    return gridInit_;
}

} // namespace vantrel

// AxisDesign_Scaled: set-up of the conversion and grid on a design's scale, and the queries on
// them.
#include "axis/AxisModuleArithmetic.h"

#include <calcora/Calcora.h>
#include <vantrel/AxisDesign_Scaled.h>
#include <vantrel/AxisModule.h>

namespace vantrel {

using namespace axisarith;

int32_t AxisDesign_Scaled::GetPixel(double dPtValue) const
{
    if (!convInit_)
        return 0;
    return CalcPixel(ToScale(dPtValue), offset_, conv_);
}

double AxisDesign_Scaled::GetValue(int32_t lPtPixel) const
{
    if (!convInit_)
        return 0.0;
    return FromScale(CalcValue(lPtPixel, offset_, conv_));
}

int32_t AxisDesign_Scaled::GridCount() const { return convInit_ ? gridCount_ : 0; }

double AxisDesign_Scaled::GridValue(int32_t Index) const
{
    if (!convInit_)
        return 0.0;
    return FromScale(CalcGridValue(gridOrigin_, gridFirst_, gridStep_, Index));
}

bool AxisDesign_Scaled::SetBounds(int32_t lPtPixel1, int32_t lPtPixel2, double dPtValue1,
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
bool AxisDesign_Scaled::InitConv(int32_t pixel1, int32_t pixel2, double value1, double value2)
{
    convInit_ = false;
    if (!AcceptsBounds(value1, value2))
        return false;
    double position1 = ToScale(value1);
    double position2 = ToScale(value2);
    // A NaN position compares as equal, and so do two values the scale puts in one place.
    bool positionsEqual = !(position1 < position2 || position1 > position2);
    if (pixel1 == pixel2 || positionsEqual)
        return false;
    try {
        conv_ = CalcConv(pixel1, pixel2, position1, position2);
        offset_ = CalcOffset(conv_, pixel1, position1);
    } catch (const Error&) {
        return false;
    }
    // NaN counts as 0.
    convInit_ = conv_ < 0.0 || conv_ > 0.0;
    return convInit_;
}

// Like InitConv, a failure part-way keeps the fields already assigned.
bool AxisDesign_Scaled::InitGrid(const AxisFormat& format, double upper, double lower)
{
    gridInit_ = false;
    try {
        double scaledUpper = ToScale(upper);
        double scaledLower = ToScale(lower);
        gridOrigin_ = ToScale(format.Origin());
        gridStep_ = CalcGridStep(scaledUpper, scaledLower, format.GridLines());
        gridStep_ = AdjustGridStep(gridStep_, format);
        gridFirst_ = CalcGridFirst(scaledLower, gridOrigin_, gridStep_);
        gridCount_ = CalcGridCount(scaledUpper, gridOrigin_, gridFirst_, gridStep_);
    } catch (const Error&) {
        return false;
    }
    gridInit_ = gridStep_ > 0.0;
    return gridInit_;
}

} // namespace vantrel

// AxisDesign_Logarithmic: set-up of the logarithmic conversion and grid, and the queries on them.
#include "axis/AxisModuleArithmetic.h"

#include <calcora/Calcora.h>
#include <vantrel/AxisDesign_Logarithmic.h>
#include <vantrel/AxisModule.h>

namespace vantrel {

using namespace axisarith;

namespace {

// Everything at or below 1e-9 (zero, negatives) sits where 1e-9 would.
double LogValue(double value) { return Log10(More(value, 1e-9)); }

} // namespace

int32_t AxisDesign_Logarithmic::GetPixel(double dPtValue) const
{
    if (!convInit_)
        return 0;
    return CalcPixel(LogValue(dPtValue), offset_, conv_);
}

double AxisDesign_Logarithmic::GetValue(int32_t lPtPixel) const
{
    if (!convInit_)
        return 0.0;
    return Pow10(CalcValue(lPtPixel, offset_, conv_));
}

int32_t AxisDesign_Logarithmic::GridCount() const { return convInit_ ? gridCount_ : 0; }

double AxisDesign_Logarithmic::GridValue(int32_t Index) const
{
    if (!convInit_)
        return 0.0;
    return Pow10(CalcGridValue(gridOrigin_, gridFirst_, gridStep_, Index));
}

bool AxisDesign_Logarithmic::SetBounds(int32_t lPtPixel1, int32_t lPtPixel2, double dPtValue1,
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
bool AxisDesign_Logarithmic::InitConv(int32_t pixel1, int32_t pixel2, double value1, double value2)
{
    convInit_ = false;
    // Both bounds must be positive; a NaN is not.
    if (!(value1 > 0.0) || !(value2 > 0.0))
        return false;
    double log1 = LogValue(value1);
    double log2 = LogValue(value2);
    // Two bounds at or below 1e-9 share one logarithm.
    bool logsEqual = !(log1 < log2 || log1 > log2);
    if (pixel1 == pixel2 || logsEqual)
        return false;
    try {
        conv_ = CalcConv(pixel1, pixel2, log1, log2);
        offset_ = CalcOffset(conv_, pixel1, log1);
    } catch (const Error&) {
        return false;
    }
    convInit_ = conv_ < 0.0 || conv_ > 0.0;
    return convInit_;
}

// The step is in decades and is not rounded to the value precision. Like InitConv, a failure
// part-way keeps the fields already assigned.
bool AxisDesign_Logarithmic::InitGrid(const AxisFormat& format, double upper, double lower)
{
    gridInit_ = false;
    try {
        double logUpper = LogValue(upper);
        double logLower = LogValue(lower);
        // An Origin of 0 or below (the default) anchors the grid at 1e-9.
        gridOrigin_ = LogValue(format.Origin());
        gridStep_ = CalcGridStep(logUpper, logLower, format.GridLines());
        gridFirst_ = CalcGridFirst(logLower, gridOrigin_, gridStep_);
        gridCount_ = CalcGridCount(logUpper, gridOrigin_, gridFirst_, gridStep_);
    } catch (const Error&) {
        return false;
    }
    gridInit_ = gridStep_ > 0.0;
    return gridInit_;
}

} // namespace vantrel

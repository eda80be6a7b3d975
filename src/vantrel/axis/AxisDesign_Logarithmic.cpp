// AxisDesign_Logarithmic: what the logarithmic design adds to the shared set-up: the mapping of
// values to base-10 logarithms and back.
#include "axis/AxisModuleArithmetic.h"

#include <calcora/Calcora.h>
#include <vantrel/AxisDesign_Logarithmic.h>

namespace vantrel {

using namespace axisarith;

// Both bounds must be positive; a NaN is not.
bool AxisDesign_Logarithmic::AcceptsBounds(double value1, double value2) const
{
    return value1 > 0.0 && value2 > 0.0;
}

// Everything at or below 1e-9 (zero, negatives) sits where 1e-9 would, so two bounds at or below
// 1e-9 share one logarithm and are refused as equal. An Origin of 0 or below (the default)
// anchors the grid at 1e-9.
double AxisDesign_Logarithmic::ToScale(double value) const { return Log10(More(value, 1e-9)); }

double AxisDesign_Logarithmic::FromScale(double position) const { return Pow10(position); }

// The step is in decades and is not rounded to the value precision.
double AxisDesign_Logarithmic::AdjustGridStep(double step, const AxisFormat&) const { return step; }

} // namespace vantrel

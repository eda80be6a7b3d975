// AxisDesign_Linear: what the linear design adds to the shared set-up: round grid steps.
#include "axis/AxisModuleArithmetic.h"

#include <calcora/Calcora.h>
#include <vantrel/AxisDesign_Linear.h>

namespace vantrel {

using namespace axisarith;

// Any two values will do; equal ones are refused by the shared set-up.
bool AxisDesign_Linear::AcceptsBounds(double, double) const { return true; }

double AxisDesign_Linear::AdjustGridStep(double step, const AxisFormat& format) const
{
    // Round the step up to a whole multiple of 10^-P so that P decimals show every grid
    // value exactly. No tolerance: 0.30000000000000004 with P = 1 becomes 0.4.
    double scale = Pow10(static_cast<double>(format.ValuePrecision()));
    return Div(Ceil(Mul(step, scale)), scale);
}

} // namespace vantrel

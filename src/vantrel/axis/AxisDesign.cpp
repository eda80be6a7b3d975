// The AxisDesign interface's own bodies: they do nothing and answer zero.
#include <vantrel/AxisDesign.h>

namespace vantrel {

int32_t AxisDesign::GetPixel(double) const { return 0; }

double AxisDesign::GetValue(int32_t) const { return 0.0; }

double AxisDesign::GridValue(int32_t) const { return 0.0; }

bool AxisDesign::SetBounds(int32_t, int32_t, double, double, const Ref<AxisFormat>&)
{
    return false;
}

} // namespace vantrel

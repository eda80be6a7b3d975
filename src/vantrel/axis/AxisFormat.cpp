// AxisFormat: the checked Copy and the GridLines rule.
#include <vantrel/AxisFormat.h>
#include <vantrel/Error.h>

namespace vantrel {

void AxisFormat::Copy(const Ref<AxisFormat>& NewFormat)
{
    if (!NewFormat)
        throw Error(errObjectNotSet);
    record_ = NewFormat->GetRecord();
}

void AxisFormat::GridLines(int32_t value)
{
    // A grid needs at least one line; other values are dropped without complaint.
    if (value > 0)
        record_.GridLines = value;
}

} // namespace vantrel

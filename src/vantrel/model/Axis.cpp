// Axis: design selection by axis type, and bounds forwarded to the design with the format.
#include <vantrel/Axis.h>
#include <vantrel/AxisDesign_Linear.h>
#include <vantrel/AxisDesign_Logarithmic.h>

namespace vantrel {

Axis::Axis()
    : format_(std::make_shared<AxisFormat>())
    , design_(NewDesign(gatLinear))
{
}

void Axis::AxisType(GraphAxisTypeConstants value)
{
    // The same type keeps the design and with it the bounds and grid it holds.
    if (value == axisType_)
        return;
    Ref<AxisDesign> design = NewDesign(value);
    axisType_ = value;
    design_ = std::move(design);
}

bool Axis::ApplyBounds(int32_t lPtPixel1, int32_t lPtPixel2, double dPtValue1, double dPtValue2)
{
    // An absent format makes the design report False after setting Min, Max and the conversion.
    return design_->SetBounds(lPtPixel1, lPtPixel2, dPtValue1, dPtValue2, format_);
}

Ref<AxisDesign> Axis::NewDesign(GraphAxisTypeConstants type)
{
    // Every value but gatLog, including values outside the enumeration, gives a linear design.
    if (type == gatLog)
        return std::make_shared<AxisDesign_Logarithmic>();
    return std::make_shared<AxisDesign_Linear>();
}

} // namespace vantrel

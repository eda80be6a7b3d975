// Axis: an axis format, an axis type and the design that matches the type.
#pragma once

#include <vantrel/AxisDesign.h>
#include <vantrel/AxisFormat.h>
#include <vantrel/Enums.h>
#include <vantrel/Ref.h>

namespace vantrel {

class Axis {
public:
    Axis();

    // The held object itself; changes made through it change the axis.
    Ref<AxisFormat> Format() const { return format_; }
    // Accepts an absent format too; readers that need one check for it.
    void Format(Ref<AxisFormat> value) { format_ = std::move(value); }

    GraphAxisTypeConstants AxisType() const { return axisType_; }
    // A new value replaces the design; the same value changes nothing.
    void AxisType(GraphAxisTypeConstants value);

    double Max() const { return design_->Max(); }
    double Min() const { return design_->Min(); }

    // Internal.
    Ref<AxisDesign> Design() const { return design_; }
    bool ApplyBounds(int32_t lPtPixel1, int32_t lPtPixel2, double dPtValue1, double dPtValue2);
    static Ref<AxisDesign> NewDesign(GraphAxisTypeConstants type);

private:
    Ref<AxisFormat> format_;
    GraphAxisTypeConstants axisType_ = gatLinear;
    Ref<AxisDesign> design_;
};

} // namespace vantrel

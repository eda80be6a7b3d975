// AxisDesign: maps axis values to plot-area pixels and back, and lists grid values.
#pragma once

#include <cstdint>
#include <vantrel/AxisFormat.h>
#include <vantrel/Ref.h>

namespace vantrel {

// The interface's own bodies do nothing and answer zero or False; only the linear and
// logarithmic designs are ever instantiated by the library.
class AxisDesign {
public:
    virtual ~AxisDesign() = default;

    virtual bool ConvInit() const { return false; }
    virtual double Conv() const { return 0.0; }
    virtual double Offset() const { return 0.0; }
    virtual int32_t GetPixel(double dPtValue) const;
    virtual double GetValue(int32_t lPtPixel) const;
    virtual int32_t GridCount() const { return 0; }
    virtual bool GridInit() const { return false; }
    virtual double GridValue(int32_t Index) const;
    virtual double Min() const { return 0.0; }
    virtual double Max() const { return 0.0; }
    // Pixel lPtPixel1 shows dPtValue1 and lPtPixel2 shows dPtValue2. True when the conversion,
    // and the grid if the format wants one, were established; arithmetic failures during
    // set-up give False, never an exception. An absent AF also gives False (after Min, Max
    // and the conversion are set).
    virtual bool SetBounds(int32_t lPtPixel1, int32_t lPtPixel2, double dPtValue1, double dPtValue2,
        const Ref<AxisFormat>& AF);
    virtual int32_t TypeID() const { return 0; }
};

} // namespace vantrel

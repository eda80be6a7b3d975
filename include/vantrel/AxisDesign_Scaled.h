// AxisDesign_Scaled: the bounds, conversion and grid state both axis designs share, and the
// set-up and queries on it.
#pragma once

#include <vantrel/AxisDesign.h>

namespace vantrel {

// A design that places each value on a scale (the value itself, or its base-10 logarithm) and
// maps that scale linearly to pixels: pixel = scaled value * Conv + Offset. Min and Max are the
// bound values themselves; Conv, Offset and the grid fields work on the scale. Grid value number
// i is the scale position GridOrigin + (GridFirst + i) * GridStep, mapped back to a value.
//
// Not instantiated on its own: AxisDesign_Linear and AxisDesign_Logarithmic supply the scale.
class AxisDesign_Scaled : public AxisDesign {
public:
    bool ConvInit() const override { return convInit_; }
    double Conv() const override { return conv_; }
    double Offset() const override { return offset_; }
    // Rounded to the nearest pixel, ties to even, clamped to the 32-bit range; 0 while ConvInit
    // is False. Raises Error 6 when the pixel is infinite or NaN.
    int32_t GetPixel(double dPtValue) const override;
    // The value at lPtPixel; 0.0 while ConvInit is False.
    double GetValue(int32_t lPtPixel) const override;
    // The grid fields as the last grid computation left them (GridInit is not consulted);
    // 0 while ConvInit is False.
    int32_t GridCount() const override;
    bool GridInit() const override { return gridInit_; }
    // The value at GridOrigin + (GridFirst + Index) * GridStep; Index is not range-checked.
    double GridValue(int32_t Index) const override;
    double Min() const override { return min_; }
    double Max() const override { return max_; }
    // Sets Min and Max, then the conversion, then the grid unless AF asks for none. Arithmetic
    // failures give False. An absent AF gives False after Min, Max and the conversion are set.
    bool SetBounds(int32_t lPtPixel1, int32_t lPtPixel2, double dPtValue1, double dPtValue2,
        const Ref<AxisFormat>& AF) override;

    // Internal: the grid fields (on the scale), for tests and diagnostics.
    double GridStep() const { return gridStep_; }
    double GridOrigin() const { return gridOrigin_; }
    int32_t GridFirst() const { return gridFirst_; }

protected:
    AxisDesign_Scaled() = default;

private:
    // Whether the two bound values can be put on the scale at all.
    virtual bool AcceptsBounds(double value1, double value2) const = 0;
    // A value's position on the scale, and back. Either may raise vantrel::Error.
    virtual double ToScale(double value) const = 0;
    virtual double FromScale(double position) const = 0;
    // The grid step as the design uses it, from the step CalcGridStep chose on the scale.
    virtual double AdjustGridStep(double step, const AxisFormat& format) const = 0;

    bool InitConv(int32_t pixel1, int32_t pixel2, double value1, double value2);
    bool InitGrid(const AxisFormat& format, double upper, double lower);

    double max_ = 0.0;
    double min_ = 0.0;
    double conv_ = 0.0;
    double offset_ = 0.0;
    bool convInit_ = false;
    double gridStep_ = 0.0;
    double gridOrigin_ = 0.0;
    int32_t gridCount_ = 0;
    int32_t gridFirst_ = 0;
    bool gridInit_ = false;
};

} // namespace vantrel

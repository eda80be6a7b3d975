// AxisDesign_Logarithmic: pixel = log10(value) * Conv + Offset, grid evenly spaced in decades.
#pragma once

#include <vantrel/AxisDesign.h>

namespace vantrel {

// Min and Max are the bound values themselves; Conv, Offset and the grid fields work on base-10
// logarithms. Any value below 1e-9 (zero and negatives included) counts as 1e-9.
class AxisDesign_Logarithmic : public AxisDesign {
public:
    bool ConvInit() const override { return convInit_; }
    double Conv() const override { return conv_; }
    double Offset() const override { return offset_; }
    // Rounded to the nearest pixel, ties to even, clamped to the 32-bit range; 0 while ConvInit
    // is False. Raises Error 6 when the pixel is infinite or NaN.
    int32_t GetPixel(double dPtValue) const override;
    // 10 raised to the logarithm at lPtPixel; 0.0 while ConvInit is False. Raises Error 6 when
    // the power overflows.
    double GetValue(int32_t lPtPixel) const override;
    // The grid fields as the last grid computation left them (GridInit is not consulted);
    // 0 while ConvInit is False.
    int32_t GridCount() const override;
    bool GridInit() const override { return gridInit_; }
    // 10 raised to GridOrigin + (GridFirst + Index) * GridStep; Index is not range-checked.
    double GridValue(int32_t Index) const override;
    double Min() const override { return min_; }
    double Max() const override { return max_; }
    // Sets Min and Max, then the conversion, then the grid unless AF asks for none. A bound of 0
    // or below, two bounds at or below 1e-9 and arithmetic failures give False. An absent AF gives
    // False after Min, Max and the conversion are set.
    bool SetBounds(int32_t lPtPixel1, int32_t lPtPixel2, double dPtValue1, double dPtValue2,
        const Ref<AxisFormat>& AF) override;
    int32_t TypeID() const override { return 1; }

    // Internal: the grid fields (in decades), for tests and diagnostics.
    double GridStep() const { return gridStep_; }
    double GridOrigin() const { return gridOrigin_; }
    int32_t GridFirst() const { return gridFirst_; }

private:
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

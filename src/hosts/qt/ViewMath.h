// Range arithmetic of the wheel zoom and the pan: one axis shown as the values `first` at
// pixel 0 and `last` at pixel `extent`, linear or in decades.
#pragma once

namespace vantrel::qt {

struct AxisRange {
    double first = 0.0; // the value at pixel 0
    double last = 0.0; // the value at pixel `extent`
};

// The range whose span is `factor` times the present one, keeping the value at `pixel` there.
AxisRange ScaleAbout(AxisRange range, double pixel, double extent, double factor, bool logarithmic);
// The range the data shows after moving `pixels` towards higher pixels.
AxisRange ShiftBy(AxisRange range, double pixels, double extent, bool logarithmic);

} // namespace vantrel::qt

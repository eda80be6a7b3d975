// Range arithmetic of the wheel zoom and the pan, in values or in their decades.
#include "ViewMath.h"

#include <cmath>

namespace vantrel::qt {

namespace {

AxisRange ToDecades(AxisRange range, bool logarithmic)
{
    return logarithmic ? AxisRange { std::log10(range.first), std::log10(range.last) } : range;
}

AxisRange FromDecades(AxisRange range, bool logarithmic)
{
    return logarithmic ? AxisRange { std::pow(10.0, range.first), std::pow(10.0, range.last) }
                       : range;
}

} // namespace

AxisRange ScaleAbout(AxisRange range, double pixel, double extent, double factor, bool logarithmic)
{
    const AxisRange r = ToDecades(range, logarithmic);
    const double kept = r.first + (r.last - r.first) * pixel / extent;
    return FromDecades(
        { kept - (kept - r.first) * factor, kept + (r.last - kept) * factor }, logarithmic);
}

AxisRange ShiftBy(AxisRange range, double pixels, double extent, bool logarithmic)
{
    const AxisRange r = ToDecades(range, logarithmic);
    const double shift = (r.last - r.first) * pixels / extent;
    return FromDecades({ r.first - shift, r.last - shift }, logarithmic);
}

} // namespace vantrel::qt

// The enumerations of the public interface. Unscoped with a fixed 32-bit underlying type so
// that any value a host passes is stored unchanged.
#pragma once

#include <cstdint>

namespace vantrel {

enum GraphAppearanceConstants : int32_t { graFlat = 0, gra3D = 1 };

enum GraphZoomConstants : int32_t {
    grzOff = 0,
    grzBox = 1,
    grzLeftRight = 2,
    grzUpDown = 3,
    grzUser = 4,
};

enum GraphAxisTypeConstants : int32_t { gatLinear = 0, gatLog = 1 };

enum GraphAxisValueFormatConstants : int32_t {
    gavNormal = 0,
    gavPrefix = 1,
    gavScientific = 2,
};

enum GraphGridStyleConstants : int32_t { ggsNone = 0, ggsLines = 1, ggsNotches = 2 };

enum GraphDataTypeConstants : int32_t {
    gdtLine = 0,
    gdtDiscreteLine = 1,
    gdtSymmetricLine = 2,
    gdtDotted = 3,
    gdtImpulse = 4,
    gdtCircle = 5,
    gdtCubicFit = 6,
};

enum GraphXYItemConstants : int32_t { gxyData = 0, gxyLabel = 1, gxyShape = 2, gxyData_Y = 3 };

enum GraphShapeTypeConstants : int32_t {
    gstEllipse = 0,
    gstLine = 1,
    gstPoint = 2,
    gstRectangle = 3,
};

} // namespace vantrel

// XYItem_Data: one data series, as X and Y arrays (point mode) or a Y array with an evenly
// spaced X (interval mode).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vantrel/DoubleArray.h>
#include <vantrel/Enums.h>
#include <vantrel/Variant.h>
#include <vantrel/XYItem.h>

namespace vantrel {

// Arrays are held by value: every array that comes in is copied, every array that goes out is
// a copy. In interval mode XArray is always the pair (XStart, XInterval), indices 0 and 1.
//
// Length is the number of points the plotting path reads from element 0 of each array. The
// setters refuse a Length the given arrays cannot hold, but a later mode switch can still leave
// Length beyond an array's end (interval pair kept in point mode); Plottable() tells.
class XYItem_Data : public XYItem {
public:
    bool Enabled() const override { return enabled_; }
    void Enabled(bool value) override { enabled_ = value; }
    std::string Name() const override { return name_; }
    void Name(const std::string& value) override { name_ = value; }
    GraphXYItemConstants TypeID() const override { return gxyData; }

    // Element lIndex of XArray by the array's own bounds; Error 9 outside them or with no array.
    double X(int32_t lIndex) const { return xArray_(lIndex); }
    void X(int32_t lIndex, double value) { xArray_(lIndex) = value; }
    double Y(int32_t lIndex) const { return yArray_(lIndex); }
    void Y(int32_t lIndex, double value) { yArray_(lIndex) = value; }

    // Copies, with the held bounds; an empty array when none is held.
    DoubleArray XArray() const { return xArray_; }
    DoubleArray YArray() const { return yArray_; }

    int32_t Length() const { return length_; }

    // NewLength zeros indexed 0 .. NewLength-1 in YArray, and in XArray too in point mode.
    // Error 9 for NewLength below 1, Error 7 above maxInitLength or when memory runs out.
    static constexpr int32_t maxInitLength = int32_t { 1 } << 27; // 1 GiB per array
    void InitArrays(int32_t NewLength);
    // Point mode only (ignored in interval mode). Error 9 when NewLength is negative or exceeds
    // the element count of X or Y; the item is then unchanged.
    void SetArrays(const DoubleArray& X, const DoubleArray& Y, int32_t NewLength);
    // Interval mode only (ignored in point mode). Error 9 when NewLength is negative or exceeds
    // the element count of Y; the item is then unchanged.
    void SetYArray(const DoubleArray& Y, int32_t NewLength);

    // Element 0 of XArray in either mode; Error 9 when there is none.
    double XStart() const { return xArray_(0); }
    // Interval mode only; ignored in point mode.
    void XStart(double value);
    // Element 1 of XArray in interval mode, 0 in point mode.
    double XInterval() const { return useInterval_ ? xArray_(1) : 0.0; }
    // Interval mode only; ignored in point mode.
    void XInterval(double value);

    bool UseInterval() const { return useInterval_; }
    // true (also when already true) replaces XArray by the pair (0, 0); false keeps the arrays.
    void UseInterval(bool value);

    int32_t Color1() const { return color1_; }
    void Color1(int32_t value) { color1_ = value; }
    int32_t Color2() const { return color2_; }
    void Color2(int32_t value) { color2_ = value; }
    bool InterleavedData() const { return interleavedData_; }
    void InterleavedData(bool value) { interleavedData_ = value; }
    GraphDataTypeConstants GraphType() const { return graphType_; }
    void GraphType(GraphDataTypeConstants value) { graphType_ = value; }
    int32_t DrawStyle() const { return drawStyle_; }
    void DrawStyle(int32_t value) { drawStyle_ = value; }
    int32_t DrawMode() const { return drawMode_; }
    void DrawMode(int32_t value) { drawMode_ = value; }
    int16_t DrawWidth() const { return drawWidth_; }
    // Negative widths are ignored silently.
    void DrawWidth(int16_t value)
    {
        if (value >= 0)
            drawWidth_ = value;
    }

    Variant Tag() const { return tag_; }
    void Tag(const Variant& value) { tag_ = value; }

    // Internal: the held arrays without copying, for the plotting and replay paths.
    const DoubleArray& XArrayRef() const { return xArray_; }
    const DoubleArray& YArrayRef() const { return yArray_; }

    // Internal: true when every array the current mode reads holds the indices it reads:
    // point mode 0 .. Length-1 of XArray and YArray; interval mode 0 .. 1 of XArray and
    // 0 .. Length-1 of YArray. Paths that read the interval pair as a full array (interleaved
    // or logarithmic interval series) check that themselves with HoldsFromZero.
    bool Plottable() const;

    // Internal: true when indices 0 .. count-1 lie inside the array's bounds. Index 0 must
    // exist whatever the count, since the plotting library receives the address of element 0.
    static bool HoldsFromZero(const DoubleArray& array, int32_t count);
    // Internal: the address of element 0 of an array that HoldsFromZero accepted; with a
    // negative lower bound that is not the first element held.
    static const double* ElementZero(const DoubleArray& array)
    {
        return array.Data() - static_cast<std::ptrdiff_t>(array.LBound());
    }

private:
    DoubleArray xArray_;
    DoubleArray yArray_;
    int32_t length_ = 0;
    int32_t color1_ = 255;
    int32_t color2_ = 255;
    int16_t drawWidth_ = 0;
    int32_t drawStyle_ = 0;
    int32_t drawMode_ = 13;
    bool interleavedData_ = false;
    bool useInterval_ = false;
    GraphDataTypeConstants graphType_ = gdtLine;
    std::string name_;
    bool enabled_ = true;
    Variant tag_;
};

} // namespace vantrel

// XYItem_Data: one data series, as X and Y arrays (point mode) or a Y array with an evenly
// spaced X (interval mode).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vantrel/DoubleArray.h>
#include <vantrel/Enums.h>
#include <vantrel/Variant.h>
#include <vantrel/XYItem.h>
#include <vector>

namespace vantrel {

namespace model {
class SeriesSummary;
}

// Arrays are held by value: every array that comes in is copied, every array that goes out is
// a copy. In interval mode XArray is always the pair (XStart, XInterval), indices 0 and 1.
//
// Length is the number of points the plotting path reads from element 0 of each array. The
// setters refuse a Length the given arrays cannot hold, but a later mode switch can still leave
// Length beyond an array's end (interval pair kept in point mode); Plottable() tells.
//
// Live data. AppendY and AppendXY add points at the end; with MaxLength set, the oldest points
// beyond it are dropped. After an append the arrays hold exactly the points, indexed from 0, as
// a fresh item given the same points would. The storage stays one piece, read by the plotting
// path where it lies: dropped points stay at its front, and once they reach a quarter of the
// kept ones (or the room left at the end runs short) the kept points are copied to fresh
// storage a bounded part per append, so appends cost amortised O(Count), drops amortised
// O(dropped), and no single append moves the whole series (but the first one to an array
// taken over at its exact size, which has no room to grow in place). Next to
// its arrays the item keeps a summary for the replay (min/max pyramids, built at the first
// replay that can use them), extended by appends and drops and discarded by every other change
// to the arrays.
class XYItem_Data : public XYItem {
public:
    XYItem_Data();
    ~XYItem_Data() override;
    // Items are shared by reference, never copied.
    XYItem_Data(const XYItem_Data&) = delete;
    XYItem_Data& operator=(const XYItem_Data&) = delete;

    bool Enabled() const override { return enabled_; }
    void Enabled(bool value) override { enabled_ = value; }
    std::string Name() const override { return name_; }
    void Name(const std::string& value) override { name_ = value; }
    GraphXYItemConstants TypeID() const override { return gxyData; }

    // Element lIndex of XArray by the array's own bounds; Error 9 outside them or with no array.
    double X(int32_t lIndex) const;
    void X(int32_t lIndex, double value);
    double Y(int32_t lIndex) const;
    void Y(int32_t lIndex, double value);

    // Copies, with the held bounds; an empty array when none is held.
    DoubleArray XArray() const;
    DoubleArray YArray() const;

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
    // The same, taking the arrays over instead of copying them.
    void SetArrays(DoubleArray&& X, DoubleArray&& Y, int32_t NewLength);
    void SetYArray(DoubleArray&& Y, int32_t NewLength);

    // Interval mode: appends the first Count elements of Y (from its lower bound) as new points.
    // Point mode: appends Count pairs of X and Y. Error 5 in the other mode; Error 9 for a
    // negative Count, one beyond either array, or an item whose arrays do not hold its Length
    // points; Error 6 when Length would pass 2^31 - 1 with no MaxLength. A refused call changes
    // nothing. In interval mode XStart advances by XInterval for every point dropped.
    void AppendY(const DoubleArray& Y, int32_t Count);
    void AppendXY(const DoubleArray& X, const DoubleArray& Y, int32_t Count);
    // The most points kept after an append; 0 (the default) keeps all. Error 380 when negative.
    // A smaller value takes effect at the next append.
    int32_t MaxLength() const { return maxLength_; }
    void MaxLength(int32_t value);

    // Element 0 of XArray in either mode; Error 9 when there is none.
    double XStart() const { return X(0); }
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

    // Internal: elements 0 .. count-1 of an array, without copying, for the plotting and replay
    // paths; zero is null (count 0) when the array does not hold index 0.
    struct ArrayView {
        const double* zero = nullptr;
        int64_t count = 0;
    };
    static ArrayView ViewOf(const DoubleArray& array);
    // The held arrays from index 0 (in interval mode XView is the pair).
    ArrayView XView() const;
    ArrayView YView() const;

    // Internal: the replay's summary of the arrays, made on first use (see SeriesSummary.h).
    model::SeriesSummary& Summary() const;
    // Internal: the bytes the summary holds now; 0 while none was built.
    int64_t SummaryBytes() const;

    // Internal: true when every array the current mode reads holds the indices it reads:
    // point mode 0 .. Length-1 of XArray and YArray; interval mode 0 .. 1 of XArray and
    // 0 .. Length-1 of YArray. Paths that read the interval pair as a full array (interleaved
    // or logarithmic interval series) check that themselves with HoldsFromZero.
    bool Plottable() const;

    // Internal: true when indices 0 .. count-1 lie inside the array's bounds. Index 0 must
    // exist whatever the count, since the plotting library receives the address of element 0.
    static bool HoldsFromZero(const DoubleArray& array, int32_t count);

private:
    // Points beyond MaxLength go: `count` points from the front (the head moves on).
    void DropFront(int32_t count);
    // The kept points to the front of their storage at once (before a mode switch).
    void Compact();
    // The copy of the kept points to fresh storage, `count` points just appended
    // (XYItem_DataAppend.cpp).
    void MoveOn(std::vector<double>& xs, std::vector<double>& ys, int64_t count);
    void FinishMove(std::vector<double>& xs, std::vector<double>& ys);
    void Copy(const std::vector<double>& xs, const std::vector<double>& ys, int64_t end);
    // Elements of storage for `length` points, `count` of them just appended.
    size_t RoomFor(int64_t length, int64_t count) const;
    void CancelMove() { move_.reset(); }
    // Before an append: the arrays in live form (lower bound 0, exactly head_ + Length elements).
    void ToLiveForm();
    template <class Fill> void AppendPoints(int32_t Count, Fill fill);
    void Invalidate();
    ArrayView PointView(const DoubleArray& array) const;

    DoubleArray xArray_;
    DoubleArray yArray_;
    // Dropped points at the front of the arrays (both in point mode, Y in interval mode); while
    // non-zero the arrays are in live form and point k is element head_ + k.
    int32_t head_ = 0;
    int32_t maxLength_ = 0;
    // Storage the kept points are on their way to: elements [from, copied) of the arrays'
    // storage so far (y, and x in point mode); any change but an append cancels it.
    struct StorageMove {
        std::vector<double> x;
        std::vector<double> y;
        int64_t from = 0;
        int64_t copied = 0;
    };
    std::unique_ptr<StorageMove> move_;
    struct SummaryDeleter {
        void operator()(model::SeriesSummary* summary) const;
    };
    mutable std::unique_ptr<model::SeriesSummary, SummaryDeleter> summary_;
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

// Live series under any sequence of appends, drops, puts and views. Beyond not crashing: a
// replay of the retained item (which may draw from its min/max pyramid) paints exactly what the
// same points handed to DrawY or DrawXY paint (always the direct path); the item holds the
// points a plain list kept by the same rules holds; a refused call changes nothing.
#include "support/FuzzInput.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <vantrel/Error.h>
#include <vantrel/HeadlessHost.h>
#include <vantrel/XYItem_Data.h>
#include <vector>

namespace {

using fuzzing::FuzzInput;
using fuzzing::Violated;
using namespace vantrel;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Long series from a few bytes: a wave on a grid of eighths with odd values (runs of NaN,
// infinities, zeros, negatives, huge values), one in `rarity`.
class Points {
public:
    Points(uint64_t seed, uint32_t rarity)
        : state_(seed)
        , rarity_(rarity)
    {
    }
    double Y(bool log)
    {
        if (nanRun_ > 0) {
            --nanRun_;
            return kNaN;
        }
        static constexpr double odd[] = { kNaN, kInf, -kInf, 0.0, -1.0, 1e300 };
        if (const uint64_t pick = Next() % rarity_; pick < 6) {
            nanRun_ = pick == 0 ? static_cast<int>(Next() % 70) : 0;
            return odd[pick];
        }
        ++k_;
        const double wave = std::sin(static_cast<double>(k_) * 0.01) * 40.0
            + static_cast<double>(Next() % 129) / 8.0 - 8.0;
        const double value = std::round(wave * 8.0) / 8.0;
        return log ? std::pow(10.0, value / 20.0) : value;
    }
    // Increasing with repeats; unless sorted, now and then a step back or a NaN.
    double X(bool log, bool sorted)
    {
        const uint64_t pick = sorted ? 2 : Next() % 300;
        if (pick == 0)
            return kNaN;
        lastX_ += pick == 1 ? -static_cast<double>(Next() % 30)
                            : static_cast<double>(Next() % 3) / 4.0;
        return log ? std::pow(10.0, lastX_ / 200.0) : lastX_;
    }

private:
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ z >> 30) * 0xBF58476D1CE4E5B9u;
        z = (z ^ z >> 27) * 0x94D049BB133111EBu;
        return z ^ z >> 31;
    }
    uint64_t state_;
    uint64_t rarity_;
    int nanRun_ = 0;
    int64_t k_ = 0;
    double lastX_ = 0.0;
};

struct Setup {
    bool interval;
    bool xLog;
    bool yLog;
    bool sortedX;
};

// The plot area's pixels after drawing the item on a freshly cleared and scaled control,
// either replayed from the item or as the same points handed to DrawY or DrawXY.
std::vector<uint32_t> Drawn(HeadlessHost& host, const Setup& setup, const BoundsRecord& window,
    const Ref<XYItem_Data>& item, bool replay)
{
    OrvGraph& g = host.Graph();
    g.XAxisType(setup.xLog ? gatLog : gatLinear);
    g.YAxisType(setup.yLog ? gatLog : gatLinear);
    g.Clear();
    g.SetScale(window.XMin, window.YMin, window.XMax, window.YMax);
    if (replay) {
        g.DrawFromSource(item, false);
    } else {
        g.DrawWidth(item->DrawWidth());
        g.DrawStyle(item->DrawStyle());
        g.DrawMode(item->DrawMode());
        if (setup.interval)
            g.DrawY(item->GraphType(), item->XStart(), item->XInterval(), item->YArray(),
                item->Length(), item->Color1(), item->Color2(), false, false);
        else
            g.DrawXY(item->GraphType(), item->XArray(), item->YArray(), item->Length(),
                item->Color1(), item->Color2(), false, false);
    }
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < g.GraphPixelHeight(); ++y)
        for (int32_t x = 0; x < g.GraphPixelWidth(); ++x)
            pixels.push_back(host.InsidePixel(x, y));
    return pixels;
}

BoundsRecord Window(FuzzInput& in, const Setup& setup, double low, double high)
{
    if (!(low < high) || !std::isfinite(low) || !std::isfinite(high))
        low = 0, high = 100;
    const double span = high - low;
    const double at = low + span * in.Byte() / 255.0;
    double a = low;
    double b = high;
    switch (in.Choice(4)) {
    case 0: // the whole series and more
        a = low - span * in.Byte() / 512.0;
        b = high + span * in.Byte() / 512.0;
        break;
    case 1: // a slice
        a = at;
        b = at + span * (1 + in.Byte()) / 1024.0;
        break;
    case 2: // narrower than a pixel column
        a = at;
        b = at + span * 1e-5;
        break;
    default: // the series exactly
        break;
    }
    if (setup.xLog) {
        a = std::max(a, 1e-3);
        b = std::max(b, a * 1.5);
    }
    return setup.yLog ? BoundsRecord { a, b, 0.5, 200.0 } : BoundsRecord { a, b, -60.0, 60.0 };
}

// Element for element, NaN included.
bool SameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size()
        && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

template <class Call> void ExpectRefused(int32_t number, const XYItem_Data& item, Call call)
{
    const int32_t length = item.Length();
    try {
        call();
    } catch (const Error& e) {
        if (e.Number() != number)
            Violated(
                "refused with " + std::to_string(e.Number()) + ", not " + std::to_string(number));
        if (item.Length() != length)
            Violated("a refused call changed the length");
        return;
    }
    Violated("a bad call was accepted");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const Setup setup { in.Flag(), in.Flag(), in.Flag(), in.Flag() };
    auto item = std::make_shared<XYItem_Data>();
    item->UseInterval(setup.interval);
    item->GraphType(in.Flag() ? gdtLine : static_cast<GraphDataTypeConstants>(in.Choice(7)));
    item->DrawMode(in.Flag() ? 13 : static_cast<int32_t>(1 + in.Choice(16)));
    item->DrawWidth(static_cast<int16_t>(in.Flag() ? in.Choice(4) : 1));
    item->DrawStyle(in.Flag() ? static_cast<int32_t>(in.Choice(7)) : 0);
    item->Color1(0x3366CC);
    item->Color2(0x22AA44);
    static constexpr double steps[] = { 1.0, 0.25, -0.5, 0.01, 3.0 };
    const double interval = steps[in.Choice(5)];
    double xStart = static_cast<double>(in.Int32() % 1000);
    if (setup.interval) {
        item->XStart(xStart);
        item->XInterval(interval);
    }
    Points points(in.U32(), in.Flag() ? 200 : 200'000);
    std::vector<double> xs;
    std::vector<double> ys;
    HeadlessHost host(180, 130);
    host.InitNew();
    OrvGraph& g = host.Graph();
    g.FrameLeft(150.0f);
    g.FrameTop(150.0f);
    g.FrameRight(150.0f);
    g.FrameBottom(150.0f);
    g.KeepData(false);
    for (int step = 0; step < 24 && !in.Done(); ++step) {
        switch (in.Choice(5)) {
        case 0: { // append, up to about a thousand points a pixel column
            const int32_t count = in.Flag() ? in.U16() * 2 : in.Byte();
            std::vector<double> x(static_cast<size_t>(count) + 1, 1.0);
            std::vector<double> y(static_cast<size_t>(count) + 1, 2.0);
            for (int32_t i = 0; i < count; ++i) {
                x[static_cast<size_t>(i)] = points.X(setup.xLog, setup.sortedX);
                y[static_cast<size_t>(i)] = points.Y(setup.yLog);
            }
            if (setup.interval)
                item->AppendY(DoubleArray(y, -3), count);
            else
                item->AppendXY(DoubleArray(x, 5), DoubleArray(y, -3), count);
            xs.insert(xs.end(), x.begin(), x.begin() + count);
            ys.insert(ys.end(), y.begin(), y.begin() + count);
            const auto keep = static_cast<size_t>(item->MaxLength());
            if (keep > 0 && ys.size() > keep) {
                const size_t dropped = ys.size() - keep;
                xs.erase(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(dropped));
                ys.erase(ys.begin(), ys.begin() + static_cast<std::ptrdiff_t>(dropped));
                xStart += static_cast<double>(dropped) * interval;
            }
            break;
        }
        case 1: { // refused: the other mode's append, a count beyond the array, a negative one
            const std::vector<double> few(4, 1.0);
            ExpectRefused(errInvalidCall, *item, [&] {
                if (setup.interval)
                    item->AppendXY(DoubleArray(few), DoubleArray(few), 1);
                else
                    item->AppendY(DoubleArray(few), 1);
            });
            const int32_t count = in.Flag() ? 5 : -1;
            ExpectRefused(errSubscriptOutOfRange, *item, [&] {
                if (setup.interval)
                    item->AppendY(DoubleArray(few), count);
                else
                    item->AppendXY(DoubleArray(few), DoubleArray(few), count);
            });
            ExpectRefused(errInvalidPropertyValue, *item, [&] { item->MaxLength(-1 - in.Byte()); });
            break;
        }
        case 2: // a window of the last points, or none
            item->MaxLength(in.Flag() ? 0 : 1 + in.U16() * (in.Flag() ? 8 : 1));
            break;
        case 3: // a put, which discards the pyramid
            if (!ys.empty()) {
                const auto at = static_cast<int32_t>(in.U32() % ys.size());
                ys[static_cast<size_t>(at)] = points.Y(setup.yLog);
                item->Y(at, ys[static_cast<size_t>(at)]);
            }
            break;
        default: { // a view: both paths must paint the same pixels
            double low = setup.interval ? item->XStart() : (xs.empty() ? 0 : xs.front());
            double high = setup.interval ? low + item->XInterval() * item->Length()
                                         : (xs.empty() ? 1 : xs.back());
            if (high < low)
                std::swap(low, high);
            const BoundsRecord window = Window(in, setup, low, high);
            if (Drawn(host, setup, window, item, true) != Drawn(host, setup, window, item, false))
                Violated("the replay painted other pixels than the direct path");
            break;
        }
        }
        if (static_cast<size_t>(item->Length()) != ys.size())
            Violated("the item holds another number of points than appended and kept");
        if (!SameBits(item->YArray().Values(), ys))
            Violated("the item holds other Y values than appended and kept");
        if (setup.interval
            && std::abs(item->XStart() - xStart) > 1e-9 * std::max(1.0, std::abs(xStart)))
            Violated("XStart did not advance by the dropped points");
        if (!setup.interval && !SameBits(item->XArray().Values(), xs))
            Violated("the item holds other X values than appended and kept");
    }
    return 0;
}

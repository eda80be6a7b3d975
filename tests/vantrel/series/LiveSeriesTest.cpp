// Live data: the summarised replay against the direct path, pixel for pixel, through random
// series, appends, drops, zoom windows, axis types, graph types, pens and raster operations;
// the state appends and drops leave; and the refused calls.
#include "SeriesFixture.h"
#include "vantrel/ErrorOf.h"

#include <cmath>
#include <functional>
#include <gdi/Pixmap.h>
#include <limits>
#include <random>
#include <tuple>

namespace vantrel::seriestest {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Raster operations for which painting twice equals painting once: the only ones whose series
// may be drawn from a summary.
bool Idempotent(int32_t mode)
{
    return mode == 1 || mode == 3 || mode == 4 || mode == 9 || mode == 11 || mode == 12
        || mode == 13 || mode == 15 || mode == 16;
}

struct Trial {
    bool interval;
    bool xLog;
    bool yLog;
    GraphDataTypeConstants type;
    int32_t drawMode;
    int16_t drawWidth;
    int32_t drawStyle;
    int32_t maxLength;
    bool sortedX; // point mode: never a step back or a NaN
    uint64_t rarity; // of each kind of odd y value

    bool MayUseSummary() const
    {
        return type == gdtLine && drawWidth <= 1 && (drawStyle == 0 || drawStyle == 6)
            && Idempotent(drawMode) && !(interval && xLog);
    }
};

class Generator {
public:
    explicit Generator(uint64_t seed)
        : random_(seed)
    {
    }
    uint64_t Below(uint64_t n) { return n == 0 ? 0 : random_() % n; }
    double Uniform(double a, double b)
    {
        return std::uniform_real_distribution<double>(a, b)(random_);
    }

    // Mostly a wave on a grid of eighths (ties on half pixels), with runs of NaN, infinities,
    // zeros and negative values (breaks on a logarithmic axis) and an occasional huge value:
    // each one value in `rarity` (so rare in some trials that the summary's coarse blocks are
    // known and decide whole columns).
    double YValue(int64_t k, bool log, uint64_t rarity)
    {
        if (nanRun_ > 0) {
            --nanRun_;
            return kNaN;
        }
        switch (Below(rarity)) {
        case 0:
            nanRun_ = static_cast<int>(Below(70));
            return kNaN;
        case 1:
            return kInf;
        case 2:
            return -kInf;
        case 3:
            return 0.0;
        case 4:
            return -1.0;
        case 5:
            return 1e300;
        default:
            break;
        }
        const double wave = std::sin(static_cast<double>(k) * 0.01) * 40.0 + Uniform(-8.0, 8.0);
        const double value = std::round(wave * 8.0) / 8.0;
        return log ? std::pow(10.0, value / 20.0) : value;
    }

    // Increasing with repeats, now and then (unless sorted) a step back or a NaN.
    double XValue(bool log, bool sorted)
    {
        switch (sorted ? 2 : Below(300)) {
        case 0:
            return kNaN;
        case 1:
            lastX_ -= Uniform(0.0, 30.0);
            break;
        default:
            lastX_ += Below(4) == 0 ? 0.0 : std::round(Uniform(0.0, 2.0) * 4.0) / 4.0;
            break;
        }
        return log ? std::pow(10.0, lastX_ / 200.0) : lastX_;
    }

    std::mt19937_64& Engine() { return random_; }

private:
    std::mt19937_64 random_;
    int nanRun_ = 0;
    double lastX_ = 0.0;
};

// The inside picture after drawing the series on a freshly scaled control: the item itself
// replayed (DrawFromSource, which may use the summary), or the same points handed to DrawY or
// DrawXY (always the direct path).
gdi::Pixmap Drawn(const Trial& trial, const BoundsRecord& window, const XYItem_Data& item,
    const Ref<XYItem_Data>* replayed)
{
    ScaledGraph s(window, trial.xLog ? gatLog : gatLinear, trial.yLog ? gatLog : gatLinear);
    OrvGraph& g = s.Graph();
    g.CirclePoints(true);
    g.CubicFit(true);
    g.CircleRadius(2);
    if (replayed) {
        g.DrawFromSource(*replayed, false);
    } else {
        g.DrawWidth(trial.drawWidth);
        g.DrawStyle(trial.drawStyle);
        g.DrawMode(trial.drawMode);
        if (trial.interval)
            g.DrawY(trial.type, item.XStart(), item.XInterval(), item.YArray(), item.Length(),
                item.Color1(), item.Color2(), false, false);
        else
            g.DrawXY(trial.type, item.XArray(), item.YArray(), item.Length(), item.Color1(),
                item.Color2(), false, false);
    }
    return s.sited.inside.ImageCopy();
}

BoundsRecord RandomWindow(Generator& random, const XYItem_Data& item, const Trial& trial)
{
    double xLow = 0;
    double xHigh = 1;
    if (item.Length() > 0) {
        if (trial.interval) {
            xLow = item.XStart();
            xHigh = item.XStart() + item.XInterval() * item.Length();
        } else {
            xLow = item.X(0);
            xHigh = item.X(item.Length() - 1);
        }
    }
    if (!(xLow < xHigh))
        std::swap(xLow, xHigh);
    if (!std::isfinite(xLow) || !std::isfinite(xHigh) || xLow == xHigh) {
        xLow = 0;
        xHigh = 100;
    }
    const double span = xHigh - xLow;
    double a = 0;
    double b = 0;
    switch (random.Below(4)) {
    case 0: // the whole series and more
        a = xLow - span * random.Uniform(0.0, 0.5);
        b = xHigh + span * random.Uniform(0.0, 0.5);
        break;
    case 1: // a slice
        a = random.Uniform(xLow, xHigh);
        b = a + span * random.Uniform(0.001, 0.3);
        break;
    case 2: // narrower than a pixel column
        a = random.Uniform(xLow, xHigh);
        b = a + span * 1e-5;
        break;
    default: // the series exactly
        a = xLow;
        b = xHigh;
        break;
    }
    if (trial.xLog) {
        a = std::max(a, 1e-3);
        b = std::max(b, a * 1.5);
    }
    const double yLow = trial.yLog ? 0.5 : -60.0;
    const double yHigh = trial.yLog ? 200.0 : 60.0;
    return BoundsRecord { a, b, yLow, yHigh };
}

Trial RandomTrial(Generator& random)
{
    Trial trial {};
    trial.interval = random.Below(2) == 0;
    trial.xLog = random.Below(5) == 0;
    trial.yLog = random.Below(4) == 0;
    trial.type
        = random.Below(2) == 0 ? gdtLine : static_cast<GraphDataTypeConstants>(random.Below(7));
    trial.drawMode = random.Below(2) == 0 ? 13 : static_cast<int32_t>(1 + random.Below(16));
    trial.drawWidth = static_cast<int16_t>(random.Below(3) == 0 ? random.Below(4) : 1);
    trial.drawStyle = random.Below(3) == 0 ? static_cast<int32_t>(random.Below(7)) : 0;
    trial.maxLength = random.Below(2) == 0
        ? 0
        : static_cast<int32_t>(100 + random.Below(random.Below(2) ? 3000 : 150'000));
    trial.sortedX = random.Below(2) == 0;
    trial.rarity = random.Below(2) == 0 ? 200 : 200'000;
    return trial;
}

TEST(LiveSeries, SummarisedReplayPaintsWhatTheDirectPathPaints)
{
    const uint64_t seed = std::random_device {}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    Generator random(seed);
    int summarised = 0;
    for (int t = 0; t < 30; ++t) {
        const Trial trial = RandomTrial(random);
        SCOPED_TRACE(::testing::Message()
            << "trial " << t << " interval " << trial.interval << " log " << trial.xLog
            << trial.yLog << " type " << trial.type << " mode " << trial.drawMode << " width "
            << trial.drawWidth << " style " << trial.drawStyle << " max " << trial.maxLength
            << " sorted " << trial.sortedX << " rarity " << trial.rarity);
        auto item = std::make_shared<XYItem_Data>();
        item->UseInterval(trial.interval);
        item->GraphType(trial.type);
        item->DrawMode(trial.drawMode);
        item->DrawWidth(trial.drawWidth);
        item->DrawStyle(trial.drawStyle);
        item->Color1(0x3366CC);
        item->Color2(0x22AA44);
        item->MaxLength(trial.maxLength);
        if (trial.interval) {
            const double steps[] = { 1.0, 0.25, -0.5, 0.01, random.Uniform(0.001, 3.0) };
            item->XStart(std::round(random.Uniform(-50.0, 50.0)));
            item->XInterval(steps[random.Below(5)]);
        }
        int64_t k = 0;
        for (int step = 0; step < 5; ++step) {
            // Up to a thousand points per pixel column: long columns come from the pyramid.
            const auto count = static_cast<int32_t>(
                random.Below(3) == 0 ? random.Below(200'000) : random.Below(3000));
            std::vector<double> xs;
            std::vector<double> ys;
            for (int32_t i = 0; i < count; ++i, ++k) {
                xs.push_back(random.XValue(trial.xLog, trial.sortedX));
                ys.push_back(random.YValue(k, trial.yLog, trial.rarity));
            }
            // Arrays with another lower bound and more elements than appended.
            xs.push_back(1.0);
            ys.push_back(2.0);
            if (trial.interval)
                item->AppendY(Values(ys, -3), count);
            else
                item->AppendXY(Values(xs, 5), Values(ys, -3), count);
            for (int view = 0; view < 2; ++view) {
                const BoundsRecord window = RandomWindow(random, *item, trial);
                SCOPED_TRACE(::testing::Message()
                    << "step " << step << " length " << item->Length() << " window " << window.XMin
                    << " .. " << window.XMax);
                const gdi::Pixmap replay = Drawn(trial, window, *item, &item);
                const gdi::Pixmap direct = Drawn(trial, window, *item, nullptr);
                ASSERT_TRUE(replay == direct);
                if (!trial.MayUseSummary()) {
                    ASSERT_EQ(item->SummaryBytes(), 0) << "a non-aggregating path built a pyramid";
                }
            }
        }
        summarised += item->SummaryBytes() > 0 ? 1 : 0;
    }
    EXPECT_GT(summarised, 0) << "no trial drew from a pyramid";
}

// Any change to the arrays other than appending and dropping discards the pyramid; the next
// replay builds a new one from the changed values.
TEST(LiveSeries, EveryOtherChangeToTheArraysDiscardsThePyramid)
{
    struct Row {
        const char* label;
        std::function<void(XYItem_Data&)> change;
    };
    std::vector<double> wave(60000);
    for (size_t k = 0; k < wave.size(); ++k)
        wave[k] = std::sin(static_cast<double>(k) * 0.001) * 30.0;
    const Row rows[] = {
        { "Y put", [](XYItem_Data& i) { i.Y(30000, 55.0); } },
        { "X put", [](XYItem_Data& i) { i.X(30000, 31.0); } },
        { "SetArrays",
            [&](XYItem_Data& i) {
                std::vector<double> y = wave;
                y[100] = -50.0;
                i.SetArrays(i.XArray(), Values(y), 60000);
            } },
        { "InitArrays", [](XYItem_Data& i) { i.InitArrays(60000); } },
        { "mode switch",
            [](XYItem_Data& i) {
                i.UseInterval(true);
                i.XInterval(0.001);
                i.SetYArray(i.YArray(), 60000);
            } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        auto item = std::make_shared<XYItem_Data>();
        std::vector<double> x(wave.size());
        for (size_t k = 0; k < x.size(); ++k)
            x[k] = static_cast<double>(k) * 0.001;
        item->SetArrays(Values(x), Values(wave), 60000);
        const BoundsRecord window { 0.0, 60.0, -60.0, 60.0 };
        Trial trial { false, false, false, gdtLine, 13, 1, 0, 0, true, 200 };
        Drawn(trial, window, *item, &item);
        ASSERT_GT(item->SummaryBytes(), 0);
        row.change(*item);
        EXPECT_EQ(item->SummaryBytes(), 0);
        trial.interval = item->UseInterval();
        EXPECT_TRUE(Drawn(trial, window, *item, &item) == Drawn(trial, window, *item, nullptr));
        EXPECT_GT(item->SummaryBytes(), 0);
    }
}

TEST(LiveSeries, AppendsAndDropsLeaveTheStateOfAFreshItem)
{
    struct Row {
        const char* label;
        bool interval;
        int32_t maxLength;
        std::vector<int32_t> counts;
    };
    const Row rows[] = {
        { "interval, unlimited", true, 0, { 3, 0, 5 } },
        { "interval, window of 4", true, 4, { 3, 2, 6, 1 } },
        { "points, window of 3", false, 3, { 2, 2, 0, 7 } },
        { "points, window of 1", false, 1, { 5, 1 } },
        // Long enough for the storage to move to fresh storage, over several appends.
        { "points, window of 500", false, 500, std::vector<int32_t>(60, 37) },
        { "interval, unlimited, growing", true, 0, std::vector<int32_t>(40, 101) },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        XYItem_Data item;
        item.UseInterval(row.interval);
        if (row.interval) {
            item.XStart(10.0);
            item.XInterval(0.5);
        }
        item.MaxLength(row.maxLength);
        std::vector<double> xs;
        std::vector<double> ys;
        double next = 0;
        int64_t dropped = 0;
        int appends = 0;
        for (const int32_t count : row.counts) {
            std::vector<double> newX;
            std::vector<double> newY;
            for (int32_t i = 0; i < count; ++i, next += 1.0) {
                newX.push_back(next * 2.0);
                newY.push_back(next);
            }
            if (row.interval)
                item.AppendY(Values(newY, 7), count);
            else
                item.AppendXY(Values(newX), Values(newY, -1), count);
            xs.insert(xs.end(), newX.begin(), newX.end());
            ys.insert(ys.end(), newY.begin(), newY.end());
            if (row.maxLength > 0 && static_cast<int32_t>(ys.size()) > row.maxLength) {
                const auto excess = static_cast<int64_t>(ys.size()) - row.maxLength;
                dropped += excess;
                xs.erase(xs.begin(), xs.begin() + excess);
                ys.erase(ys.begin(), ys.begin() + excess);
            }
            ASSERT_EQ(item.Length(), static_cast<int32_t>(ys.size()));
            // A value put between appends (while the storage may be on its way elsewhere).
            if (++appends % 7 == 0 && !ys.empty()) {
                const auto k = static_cast<int32_t>(ys.size() / 2);
                item.Y(k, -1.0 - appends);
                ys[static_cast<size_t>(k)] = -1.0 - appends;
            }
            EXPECT_EQ(item.YArray(), Values(ys));
            if (row.interval) {
                EXPECT_EQ(item.XStart(), 10.0 + 0.5 * static_cast<double>(dropped));
                EXPECT_EQ(item.XArray(), Values({ item.XStart(), 0.5 }));
            } else {
                EXPECT_EQ(item.XArray(), Values(xs));
                if (!xs.empty()) {
                    EXPECT_EQ(item.XStart(), xs.front());
                }
            }
            if (!ys.empty()) {
                EXPECT_EQ(item.Y(0), ys.front());
                EXPECT_EQ(item.Y(item.Length() - 1), ys.back());
                EXPECT_THROW(item.Y(item.Length()), Error);
            }
            EXPECT_TRUE(item.Plottable() || ys.empty());
        }
    }
}

TEST(LiveSeries, RefusedCallsRaiseTheirErrorAndChangeNothing)
{
    const auto intervalItem = [] {
        auto item = std::make_shared<XYItem_Data>();
        item->UseInterval(true);
        item->XInterval(2.0);
        item->MaxLength(3);
        item->AppendY(Values({ 1, 2, 3, 4 }), 4);
        return item;
    };
    const auto pointItem = [] {
        auto item = std::make_shared<XYItem_Data>();
        item->SetArrays(Values({ 1, 2 }), Values({ 3, 4 }), 2);
        return item;
    };
    struct Row {
        const char* label;
        std::function<Ref<XYItem_Data>()> make;
        std::function<void(XYItem_Data&)> call;
        int32_t error;
    };
    const Row rows[] = {
        { "AppendXY in interval mode", intervalItem,
            [](XYItem_Data& i) { i.AppendXY(Values({ 1 }), Values({ 1 }), 1); }, 5 },
        { "AppendY in point mode", pointItem, [](XYItem_Data& i) { i.AppendY(Values({ 1 }), 1); },
            5 },
        { "negative count", intervalItem, [](XYItem_Data& i) { i.AppendY(Values({ 1 }), -1); }, 9 },
        { "count beyond Y", intervalItem, [](XYItem_Data& i) { i.AppendY(Values({ 1 }), 2); }, 9 },
        { "count beyond X", pointItem,
            [](XYItem_Data& i) {
                i.AppendXY(Values({ 1 }), Values({ 1, 2 }), 2);
            },
            9 },
        { "count beyond Y with X long enough", pointItem,
            [](XYItem_Data& i) {
                i.AppendXY(Values({ 1, 2 }), Values({ 1 }), 2);
            },
            9 },
        { "MaxLength negative", intervalItem, [](XYItem_Data& i) { i.MaxLength(-1); }, 380 },
        { "arrays short of Length",
            [] {
                auto item = std::make_shared<XYItem_Data>();
                item->SetArrays(Values({ 1, 2, 3 }), Values({ 1, 2, 3 }), 3);
                item->UseInterval(true);
                item->UseInterval(false); // X is the pair now, Length still 3
                return item;
            },
            [](XYItem_Data& i) { i.AppendXY(Values({ 1 }), Values({ 1 }), 1); }, 9 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const Ref<XYItem_Data> item = row.make();
        const auto state = [&] {
            return std::tuple(item->XArray(), item->YArray(), item->Length(), item->MaxLength());
        };
        const auto before = state();
        EXPECT_EQ(test::ErrorOf([&] { row.call(*item); }), row.error);
        EXPECT_EQ(state(), before);
    }
}

} // namespace
} // namespace vantrel::seriestest

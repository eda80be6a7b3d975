// Series drawn by the real plotting library through the control: golden images of every graph
// type on linear and logarithmic axes, in copy-pen and XOR modes.
#include "SeriesFixture.h"
#include "support/GoldenImage.h"

#include <cmath>

namespace vantrel::seriestest {
namespace {

// Seven bands from top to bottom, one per graph type, impulses at the bottom so that their lines
// from value 0 cross no other band; each band has ten points on the left half drawn plainly and
// ten on the right half with circle points and cubic fit on. Positions are in unit space (0-20
// across, 0-14 up); on logarithmic axes the values are 10^(u/4), so both kinds of axes show the
// same layout.
void DrawEveryType(OrvGraph& g, bool logarithmic)
{
    const GraphDataTypeConstants bandTypes[] = { gdtLine, gdtDiscreteLine, gdtSymmetricLine,
        gdtDotted, gdtCircle, gdtCubicFit, gdtImpulse };
    const auto value = [&](double u) { return logarithmic ? std::pow(10.0, u / 4.0) : u; };
    for (int32_t band = 0; band < 7; ++band) {
        const GraphDataTypeConstants type = bandTypes[band];
        const double base = 12.9 - 1.9 * band;
        for (const bool extras : { false, true }) {
            g.CirclePoints(extras);
            g.CubicFit(extras);
            std::vector<double> x;
            std::vector<double> y;
            for (int32_t i = 0; i < 10; ++i) {
                x.push_back(value((extras ? 10.5 : 0.5) + i * 0.95));
                y.push_back(value(base + 0.7 * std::sin(i * 1.3 + band)));
            }
            // Interval series on linear axes only: on a logarithmic X axis an interval series
            // of more than two points is dropped.
            if (!logarithmic && extras)
                g.DrawY(type, x[0], 0.95, Values(y), 10, 0xB03000, 0x0080FF, false, false);
            else
                g.DrawXY(type, Values(x), Values(y), 10, 0xB03000, 0x0080FF, false, false);
        }
    }
    g.Refresh();
}

// Also: no pen or brush outlives the series.
TEST(SeriesPixels, EveryGraphTypeMatchesItsGoldenImage)
{
    struct Row {
        const char* name;
        bool logarithmic;
        int32_t drawMode;
        int16_t drawWidth;
    };
    const Row rows[] = {
        { "linear-copypen", false, gdi::R2_COPYPEN, 1 },
        { "linear-xor", false, gdi::R2_XORPEN, 1 },
        { "log-copypen", true, gdi::R2_COPYPEN, 2 },
        { "log-xor", true, gdi::R2_XORPEN, 1 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BoundsRecord bounds = row.logarithmic
            ? BoundsRecord { 1.0, std::pow(10.0, 5.0), 1.0, std::pow(10.0, 3.5) }
            : BoundsRecord { 0.0, 20.0, 0.0, 14.0 };
        const GraphAxisTypeConstants type = row.logarithmic ? gatLog : gatLinear;
        ScaledGraph s(bounds, type, type);
        OrvGraph& g = s.Graph();
        g.DrawMode(row.drawMode);
        g.DrawWidth(row.drawWidth);
        g.CircleRadius(2);
        g.CubicFitInterval(2.0);
        DrawEveryType(g, row.logarithmic);
        EXPECT_EQ(gdi::LiveObjectCount(gdi::OBJ_PEN) + gdi::LiveObjectCount(gdi::OBJ_BRUSH), 0);
        const std::string mismatch = testsupport::CompareWithGolden(
            std::string("series/") + row.name, s.sited.inside.ImageView());
        EXPECT_TRUE(mismatch.empty()) << mismatch;
    }
}

} // namespace
} // namespace vantrel::seriestest

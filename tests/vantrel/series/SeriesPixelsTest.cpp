// Series drawn by the real plotting library through the control: golden images of every graph
// type, and invariants of the pixels and the graphics objects.
#include "SeriesFixture.h"
#include "hosts/common/PngIo.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vantrel/HeadlessHost.h>

namespace vantrel::seriestest {
namespace {

using hostkit::PixelImage;

// Compares with tests/golden/series/<name>.png; UPDATE_GOLDENS=1 rewrites the reference. On a
// mismatch writes <name>-actual.png and <name>-diff.png (differing pixels red on a dimmed copy)
// into the test output folder.
void ExpectGolden(const std::string& name, const PixelImage& actual)
{
    const std::string golden
        = std::string(VANTREL_SOURCE_DIR) + "/tests/golden/series/" + name + ".png";
    if (const char* update = std::getenv("UPDATE_GOLDENS"); update && std::string(update) == "1") {
        hostkit::WritePng(golden, actual);
        return;
    }
    PixelImage expected;
    try {
        expected = hostkit::ReadPng(golden);
    } catch (const Error& e) {
        ADD_FAILURE() << name << ": " << e.what();
    }
    if (expected == actual)
        return;
    const std::string out = std::string(VANTREL_TEST_OUTPUT_DIR) + "/series-" + name;
    hostkit::WritePng(out + "-actual.png", actual);
    PixelImage diff = actual;
    int32_t differing = 0;
    for (int32_t y = 0; y < actual.height; ++y)
        for (int32_t x = 0; x < actual.width; ++x) {
            const bool same = expected.Contains(x, y) && expected.At(x, y) == actual.At(x, y);
            differing += same ? 0 : 1;
            diff.At(x, y) = same ? (actual.At(x, y) >> 2) & 0x3F3F3Fu : 0x0000FFu;
        }
    hostkit::WritePng(out + "-diff.png", diff);
    ADD_FAILURE() << name << ": " << differing << " pixels differ (size " << actual.width << "x"
                  << actual.height << " against " << expected.width << "x" << expected.height
                  << "); see " << out << "-actual.png";
}

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
            ? Bounds(1.0, 1.0, std::pow(10.0, 5.0), std::pow(10.0, 3.5))
            : Bounds(0.0, 0.0, 20.0, 14.0);
        const GraphAxisTypeConstants type = row.logarithmic ? gatLog : gatLinear;
        ScaledGraph s(bounds, type, type);
        OrvGraph& g = s.Graph();
        g.DrawMode(row.drawMode);
        g.DrawWidth(row.drawWidth);
        g.CircleRadius(2);
        g.CubicFitInterval(2.0);
        DrawEveryType(g, row.logarithmic);
        const PixelImage image = s.sited.inside.ImageCopy();
        ASSERT_LE(image.width, 200);
        ASSERT_LE(image.height, 150);
        ExpectGolden(row.name, image);
    }
}

TEST(SeriesPixels, XorSeriesDrawnTwiceLeavesThePlotAsItWas)
{
    for (const bool interleaved : { false, true }) {
        SCOPED_TRACE(interleaved ? "interleaved" : "plain");
        ScaledGraph s(Bounds(0, 0, 20, 14));
        OrvGraph& g = s.Graph();
        g.DrawMode(gdi::R2_XORPEN);
        g.CirclePoints(true);
        g.CubicFit(true);
        g.DrawLine(0, 0, 1, 1); // draws the frame, so that only the series differ
        const PixelImage before = s.sited.inside.ImageCopy();
        const DoubleArray x = Values({ 1, 3, 4, 8, 9, 13, 15, 18 });
        const DoubleArray y = Values({ 2, 11, 5, 7, 1, 13, 6, 9 });
        for (int pass = 0; pass < 2; ++pass) {
            g.DrawXY(gdtImpulse, x, y, 8, 0x00A0FF, 0x008000, interleaved);
            if (pass == 0) {
                EXPECT_NE(s.sited.inside.ImageCopy(), before) << "the first pass draws";
            }
        }
        EXPECT_EQ(s.sited.inside.ImageCopy(), before);
    }
}

TEST(SeriesPixels, NoGraphicsObjectOutlivesASeries)
{
    HeadlessHost host(300, 240);
    host.InitNew();
    OrvGraph& g = host.Graph();
    g.Clear();
    g.SetScale(0, 0, 10, 10);
    g.CirclePoints(true);
    g.CubicFit(true);
    g.DrawWidth(3);
    const DoubleArray v = Values({ 1, 4, 2, 8, 5, 7 });
    g.DrawXY(gdtImpulse, v, v, 6);
    g.DrawXY(gdtDotted, v, v, 6, 255, 0, true);
    EXPECT_EQ(host.GdiObjectCount(), 0);
    EXPECT_TRUE(g.DataLoaded());
    EXPECT_NE(host.InsidePixel(0, 0), 0xFFFFFFFFu);
}

} // namespace
} // namespace vantrel::seriestest

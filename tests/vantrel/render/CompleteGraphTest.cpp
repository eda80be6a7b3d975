// One golden image of complete graphs: three controls side by side, together showing grid lines
// and notches, value text of both axes in the normal, prefix and scientific formats, origin
// lines and notches, and every drawing method, filled and unfilled.
#include "RenderFixture.h"
#include "support/GoldenImage.h"

#include <gtest/gtest.h>

namespace vantrel::rendertest {
namespace {

struct AxisLook {
    GraphAxisValueFormatConstants format;
    int32_t precision;
    GraphGridStyleConstants gridStyle, originStyle;
};

// Positions given as fractions of the bounds, so one layout of figures fits every range.
struct Place {
    BoundsRecord b;
    double X(double f) const { return b.XMin + f * (b.XMax - b.XMin); }
    double Y(double f) const { return b.YMin + f * (b.YMax - b.YMin); }
};

void DrawEveryFigure(OrvGraph& g, const Place& at)
{
    g.DrawRectangle(at.X(0.05), at.Y(0.6), at.X(0.3), at.Y(0.9), 0xC05000, false, 0, false);
    g.DrawRectangle(at.X(0.35), at.Y(0.6), at.X(0.6), at.Y(0.9), 0xC05000, true, 0xF5DCC0, false);
    g.DrawCircle(
        at.X(0.8), at.Y(0.75), 0.1 * (at.b.XMax - at.b.XMin), 0x0000FF, true, 0xB0E0FF, false);
    g.DrawEllipse(at.X(0.05), at.Y(0.1), at.X(0.3), at.Y(0.45), 0x800080, false, 0, false);
    g.DrawEllipse(at.X(0.35), at.Y(0.1), at.X(0.55), at.Y(0.45), 0x800080, true, 0xE0C0E0, false);
    g.DrawWidth(3);
    g.DrawLine(at.X(0.6), at.Y(0.1), at.X(0.75), at.Y(0.45), 0x2E8B2E, false);
    g.DrawWidth(0);
    g.DrawStyle(gdi::PS_DASH);
    g.DrawLine(at.X(0.78), at.Y(0.1), at.X(0.95), at.Y(0.45), 0x0080FF, false);
    g.DrawStyle(gdi::PS_SOLID);
    for (int i = 0; i < 10; ++i)
        g.DrawPoint(at.X(0.6 + 0.035 * i), at.Y(0.52), 0x000000, false);
    g.DrawLabel(at.X(0.05), at.Y(0.9), "box", 0x000000, false);
    g.DrawLabel(at.X(0.35), at.Y(0.9), "filled", 0x000000, false);
    g.DrawLabel(at.X(0.05), at.Y(0.45), "ellipse", 0x000000, false);
}

// The control's screen: the frame picture with the inside picture in front, borders included.
void PasteScreen(const SitedGraph& s, gdi::PixelView into)
{
    for (const hostkit::SoftPicture* picture : { &s.frame, &s.inside })
        picture->PaintScreen(into, gdi::RECT { 0, 0, into.width, into.height });
}

TEST(CompleteGraph, MatchesItsGoldenImage)
{
    // Each graph has the same units per pixel on both axes, so that its circle is round; the
    // value precision is high enough for the grid step of the range.
    const struct {
        AxisLook x, y;
        BoundsRecord bounds;
    } looks[] = {
        { { gavNormal, 0, ggsLines, ggsLines }, { gavPrefix, 0, ggsLines, ggsLines },
            { -2000, 8000, -1500, 5000 } },
        { { gavPrefix, 1, ggsNotches, ggsNotches }, { gavScientific, 1, ggsNotches, ggsLines },
            { -1e5, 4e5, -0.5e5, 2.75e5 } },
        { { gavScientific, 3, ggsLines, ggsNotches }, { gavNormal, 4, ggsLines, ggsNotches },
            { -0.002, 0.008, -0.0015, 0.005 } },
    };
    constexpr int32_t width = 400;
    constexpr int32_t height = 300;
    const gdi::Pixmap screen(3 * width, height);
    for (int32_t i = 0; i < 3; ++i) {
        const auto& look = looks[i];
        SitedGraph s(width, height);
        s.Init();
        OrvGraph& g = s.graph;
        g.XGridLines(5);
        g.YGridLines(4);
        g.XAxisValueFormat(look.x.format);
        g.YAxisValueFormat(look.y.format);
        g.XAxisValuePrecision(look.x.precision);
        g.YAxisValuePrecision(look.y.precision);
        g.XGridStyle(look.x.gridStyle);
        g.YGridStyle(look.y.gridStyle);
        g.XOriginStyle(look.x.originStyle);
        g.YOriginStyle(look.y.originStyle);
        g.XOriginColor(0x404040);
        g.YOriginColor(0x0000C0);
        g.Clear();
        g.SetScale(look.bounds.XMin, look.bounds.YMin, look.bounds.XMax, look.bounds.YMax);
        DrawEveryFigure(g, { look.bounds });
        g.Refresh();
        EXPECT_EQ(LiveDrawingObjects(), 0);
        PasteScreen(s, screen.View().Crop(i * width, 0, (i + 1) * width, height));
    }
    const std::string mismatch
        = testsupport::CompareWithGolden("render/complete-graph", screen.View());
    EXPECT_TRUE(mismatch.empty()) << mismatch;
}

} // namespace
} // namespace vantrel::rendertest

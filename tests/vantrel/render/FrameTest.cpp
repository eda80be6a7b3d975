// Grid lines, notches, value text and origin marks: where they land and what each section draws.
#include "RenderFixture.h"

#include <gtest/gtest.h>

namespace vantrel::rendertest {
namespace {

// Both axes 0..10 on a 250 x 250 plot, grid values 2, 4, 6, 8. Notches are one hundredth of the
// plot's extent, CLng(2.5) = 2 pixels; the far one starts just outside the picture and shows one
// pixel less. The golden image shows grid lines and notches of other sizes.
TEST(GridMarks, StandAtTheGridValues)
{
    BarePlot p(250, 250);
    p.graph.XGridStyle(ggsNotches);
    p.graph.YGridStyle(ggsNotches);
    p.graph.XGridLines(5);
    p.graph.YGridLines(5);
    p.Scale(0, 0, 10, 10);
    DrawFrameOnly(p.graph);
    const std::vector<int32_t> notches { 0, 1, 249 };
    EXPECT_EQ(Marked(p.Plot(), true, 50, gridGrey), notches) << "X notches in column 50";
    EXPECT_EQ(Marked(p.Plot(), false, 50, gridGrey), notches) << "Y notches in row 50";
}

// Each case marks one axis's origin in red over the grid lines of both axes on a 500 x 300 plot
// and reads the pixels along the mark's column (X) or row (Y).
TEST(OriginMarks, StandInsideTheBoundsOnly)
{
    constexpr uint32_t red = 0x0000FF;
    const auto notch7 = static_cast<GraphGridStyleConstants>(7);
    struct Case {
        const char* label;
        bool yAxis;
        GraphAxisTypeConstants type;
        BoundsRecord bounds; // XMin, XMax, YMin, YMax
        GraphGridStyleConstants style;
        double origin;
        int32_t at;
        std::vector<int32_t> marked;
    };
    const std::vector<int32_t> notches { 0, 1, 2, 298, 299 };
    const BoundsRecord across { -5, 5, 0, 10 };
    const Case cases[] = {
        { "X -5..5: a line at x = 250", false, gatLinear, across, ggsLines, 0, 250, Range(0, 300) },
        { "a style outside 0..2 draws notches", false, gatLinear, across, notch7, 0, 250, notches },
        { "an origin on a bound: nothing", false, gatLinear, { 0, 10, 0, 10 }, ggsLines, 0, 0, {} },
        { "reversed bounds: nothing", false, gatLinear, { 5, -5, 0, 10 }, ggsLines, 0, 250, {} },
        { "ggsNone: nothing", false, gatLinear, across, ggsNone, 0, 250, {} },
        { "Y origin 10 on a logarithmic 1..1000", true, gatLog, { 0, 10, 1, 1000 }, ggsLines, 10,
            200, Range(0, 500) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        BarePlot p(500, 300);
        p.graph.XGridStyle(ggsLines);
        p.graph.YGridStyle(ggsLines);
        p.graph.YAxisType(c.type);
        p.graph.XOriginStyle(c.yAxis ? ggsNone : c.style);
        p.graph.YOriginStyle(c.yAxis ? c.style : ggsNone);
        p.graph.XOriginColor(red);
        p.graph.YOriginColor(red);
        p.graph.XOrigin(c.origin);
        p.graph.YOrigin(c.origin);
        p.Scale(c.bounds.XMin, c.bounds.YMin, c.bounds.XMax, c.bounds.YMax);
        DrawFrameOnly(p.graph);
        EXPECT_EQ(Marked(p.Plot(), !c.yAxis, c.at, red), c.marked);
    }
}

// GridStyle ggsNone shows no values either: the design holds no grid for the present scale. The
// golden image shows lines and values together.
TEST(ValueText, EachSectionDrawsWhatItsSettingsAskFor)
{
    struct Case {
        const char* label;
        bool frameEnabled;
        GraphGridStyleConstants gridStyle;
        bool values, expectLines, expectText;
    };
    const Case cases[] = {
        { "no frame: lines, no text", false, ggsLines, true, true, false },
        { "values off: lines, no text", true, ggsLines, false, true, false },
        { "ggsNone: neither", true, ggsNone, true, false, false },
        { "a style outside 0..2: text, no lines", true, static_cast<GraphGridStyleConstants>(7),
            true, false, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FramedPlot p(300, 200);
        p.graph.FrameEnabled(c.frameEnabled);
        p.graph.XGridStyle(c.gridStyle);
        p.graph.YGridStyle(c.gridStyle);
        p.graph.XAxisValues(c.values);
        p.graph.YAxisValues(c.values);
        p.graph.XOriginStyle(ggsNone);
        p.graph.YOriginStyle(ggsNone);
        p.graph.Clear();
        p.graph.SetScale(0, 0, 10, 10);
        DrawFrameOnly(p.graph);
        EXPECT_EQ(AnyInk(p.inside.ImageCopy(), white), c.expectLines);
        EXPECT_EQ(AnyInk(p.frame.ImageCopy(), white), c.expectText);
    }
}

// Every figure drawn twice in XOR mode restores the plot, fill and outline alike; the frame and
// the figures give back every pen and brush and the previous text colour, and leave copy-pen set
// on the frame. No refresh, so that the pictures keep the DCs of their retained images.
TEST(FrameDrawing, XorFiguresUndoThemselvesAndTheStateIsPutBack)
{
    FramedPlot p(300, 200);
    p.graph.FrameForeColor(0x000080);
    p.graph.DrawMode(gdi::R2_XORPEN);
    p.graph.Clear(false);
    p.graph.SetScale(-5, -5, 5, 5);
    const gdi::HGDIOBJ plotPen = gdi::GetCurrentObject(p.inside.hDC(), gdi::OBJ_PEN);
    const gdi::HGDIOBJ plotBrush = gdi::GetCurrentObject(p.inside.hDC(), gdi::OBJ_BRUSH);
    const gdi::COLORREF frameText = gdi::GetTextColor(p.frame.hDC());
    DrawFrameOnly(p.graph);
    const gdi::Pixmap before = p.inside.ImageCopy();
    for (int pass = 0; pass < 2; ++pass) {
        p.graph.DrawRectangle(-4, -4, 1, 1, 0x00FFFF, true, 0xFF0000, false);
        p.graph.DrawEllipse(-2, -2, 4, 2, 0x00FFFF, false, 0, false);
        p.graph.DrawLine(-5, 5, 5, -5, 0xFFFFFF, false);
        p.graph.DrawPoint(2, -3, 0xFFFFFF, false);
        EXPECT_EQ(p.inside.ImageCopy() == before, pass == 1);
    }
    EXPECT_EQ(LiveDrawingObjects(), 0);
    EXPECT_EQ(gdi::GetCurrentObject(p.inside.hDC(), gdi::OBJ_PEN), plotPen);
    EXPECT_EQ(gdi::GetCurrentObject(p.inside.hDC(), gdi::OBJ_BRUSH), plotBrush);
    EXPECT_EQ(gdi::GetTextColor(p.frame.hDC()), frameText);
    EXPECT_EQ(gdi::GetROP2(p.frame.hDC()), gdi::R2_COPYPEN);
    EXPECT_EQ(gdi::GetROP2(p.inside.hDC()), gdi::R2_XORPEN) << "the figures' DrawMode stays set";
}

} // namespace
} // namespace vantrel::rendertest

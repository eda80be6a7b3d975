// Grid lines, notches, value text and origin marks: where they land and what each section draws.
#include "RenderFixture.h"

#include <gtest/gtest.h>

namespace vantrel::rendertest {
namespace {

// A drawing call whose figure lies beyond the drawable range: it draws the frame and nothing else.
void DrawFrameOnly(OrvGraph& graph) { graph.DrawLine(0.0, 0.0, 1e9, 0.0); }

TEST(GridMarks, LinesStandAtTheGridValuesAndSpanThePlot)
{
    BarePlot p(500, 300);
    p.graph.XGridStyle(ggsLines);
    p.graph.YGridStyle(ggsLines);
    p.graph.XGridLines(5);
    p.graph.YGridLines(5);
    p.Scale(0, 0, 10, 10);
    DrawFrameOnly(p.graph);
    const PixelImage plot = p.Plot();

    // Grid values 2, 4, 6, 8 on both axes; none on the plot's edges.
    EXPECT_EQ(RowColumns(plot, 7, gridGrey), (std::vector<int32_t> { 100, 200, 300, 400 }));
    EXPECT_EQ(ColumnRows(plot, 7, gridGrey), (std::vector<int32_t> { 60, 120, 180, 240 }));
    EXPECT_EQ(ColumnRows(plot, 100, gridGrey), Range(0, 300)) << "a line covers the whole height";
    EXPECT_EQ(RowColumns(plot, 180, gridGrey), Range(0, 500)) << "a line covers the whole width";
    EXPECT_TRUE(p.graph.Formatted());
}

// Notches are one hundredth of the plot's extent; the far one starts just outside the picture
// and shows one pixel less. CLng(2.5) is 2, CLng(247.5) is 248.
TEST(GridMarks, NotchesHangFromBothEdges)
{
    struct Case {
        const char* label;
        int32_t width, height;
        std::vector<int32_t> xNotchRows, yNotchColumns;
    };
    const Case cases[] = {
        { "250 x 250: 2.5 rounds to even 2", 250, 250, { 0, 1, 249 }, { 0, 1, 249 } },
        { "500 x 300", 500, 300, { 0, 1, 2, 298, 299 }, { 0, 1, 2, 3, 4, 496, 497, 498, 499 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        BarePlot p(c.width, c.height);
        p.graph.XGridStyle(ggsNotches);
        p.graph.YGridStyle(ggsNotches);
        p.graph.XGridLines(5);
        p.graph.YGridLines(5);
        p.Scale(0, 0, 10, 10);
        DrawFrameOnly(p.graph);
        const PixelImage plot = p.Plot();
        const int32_t x2 = c.width / 5; // the column of grid value 2
        const int32_t y8 = c.height / 5; // the row of grid value 8
        EXPECT_EQ(ColumnRows(plot, x2, gridGrey), c.xNotchRows);
        EXPECT_EQ(RowColumns(plot, y8, gridGrey), c.yNotchColumns);
    }
}

// Each case marks one axis's origin in red over the grid lines of both axes and reads the pixels
// along the mark's column (X) or row (Y).
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
        int32_t at; // the column or row to read
        std::vector<int32_t> marked;
    };
    const Case cases[] = {
        { "X -5..5: a line at x = 250", false, gatLinear, { -5, 5, 0, 10 }, ggsLines, 0, 250,
            Range(0, 300) },
        { "X notches, 300 high", false, gatLinear, { -5, 5, 0, 10 }, ggsNotches, 0, 250,
            { 0, 1, 2, 298, 299 } },
        { "a style outside 0..2 draws notches", false, gatLinear, { -5, 5, 0, 10 }, notch7, 0, 250,
            { 0, 1, 2, 298, 299 } },
        { "an origin on a bound: nothing", false, gatLinear, { 0, 10, 0, 10 }, ggsLines, 0, 0, {} },
        { "reversed bounds: nothing", false, gatLinear, { 5, -5, 0, 10 }, ggsLines, 0, 250, {} },
        { "ggsNone: nothing", false, gatLinear, { -5, 5, 0, 10 }, ggsNone, 0, 250, {} },
        { "Y origin 10 on a logarithmic 1..1000", true, gatLog, { 0, 10, 1, 1000 }, ggsLines, 10,
            200, Range(0, 500) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        BarePlot p(500, 300);
        p.graph.XGridStyle(ggsLines);
        p.graph.YGridStyle(ggsLines);
        p.graph.YAxisType(c.type);
        if (c.yAxis) {
            p.graph.YOriginStyle(c.style);
            p.graph.YOriginColor(red);
            p.graph.YOrigin(c.origin);
        } else {
            p.graph.XOriginStyle(c.style);
            p.graph.XOriginColor(red);
            p.graph.XOrigin(c.origin);
        }
        p.Scale(c.bounds.XMin, c.bounds.YMin, c.bounds.XMax, c.bounds.YMax);
        ASSERT_TRUE(p.graph.Scaled());
        DrawFrameOnly(p.graph);
        const PixelImage plot = p.Plot();
        EXPECT_EQ(c.yAxis ? RowColumns(plot, c.at, red) : ColumnRows(plot, c.at, red), c.marked);
    }
}

// With the default frame: X values centred above their grid lines, their cell ending 0.3 text
// heights above the plot; Y values right-aligned two spaces' width left of the plot, centred on
// their lines. "0" is 13 pixels high in the default font.
TEST(ValueText, SitsInTheMarginsBesideItsGridValue)
{
    FramedPlot p(500, 300);
    p.graph.XGridLines(5);
    p.graph.YGridLines(5);
    p.graph.FrameForeColor(0x000080);
    p.graph.Clear();
    p.graph.SetScale(0, 0, 10, 10);
    DrawFrameOnly(p.graph);
    const PixelImage frame = p.frame.ImageCopy();
    const int32_t left = FramedPlot::plotLeft;
    const int32_t top = FramedPlot::plotTop;

    // "2" at plot column 100: text cell rows CLng(80 - 16.9) = 63 .. 75.
    const gdi::RECT x2 = InkBox(frame, { left + 80, 0, left + 120, top }, white);
    ASSERT_LT(x2.left, x2.right) << "no text for grid value 2";
    EXPECT_NEAR((x2.left + x2.right) / 2.0, left + 100, 1.0);
    EXPECT_GE(x2.top, 63);
    EXPECT_LE(x2.bottom, 76);

    // "4" at plot row 180: cell rows CLng(80 + 180 - 6.5) = 254 .. 266, right edge before
    // 80 - TextWidth("  ").
    const float gap = p.frame.TextWidth("  ");
    const gdi::RECT y4 = InkBox(frame, { 0, top + 160, left, top + 200 }, white);
    ASSERT_LT(y4.left, y4.right) << "no text for grid value 4";
    EXPECT_LE(y4.right, left - gap);
    EXPECT_GE(y4.right, left - gap - 2);
    EXPECT_GE(y4.top, 254);
    EXPECT_LE(y4.bottom, 267);

    bool foreColorSeen = false;
    for (const uint32_t pixel : frame.pixels)
        foreColorSeen = foreColorSeen || pixel == 0x000080;
    EXPECT_TRUE(foreColorSeen) << "value text is written in FrameForeColor";
}

// GridStyle ggsNone shows no values either: the design holds no grid for the present scale.
TEST(ValueText, EachSectionDrawsWhatItsSettingsAskFor)
{
    struct Case {
        const char* label;
        bool frameEnabled;
        GraphGridStyleConstants gridStyle;
        bool values;
        bool expectLines, expectText;
    };
    const Case cases[] = {
        { "lines and values", true, ggsLines, true, true, true },
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
        const PixelImage plot = p.inside.ImageCopy();
        const PixelImage frame = p.frame.ImageCopy();
        const bool lines = InkBox(plot, { 0, 0, plot.width, plot.height }, white).right > 0;
        const bool text = InkBox(frame, { 0, 0, frame.width, frame.height }, white).right > 0;
        EXPECT_EQ(lines, c.expectLines);
        EXPECT_EQ(text, c.expectText);
    }
}

TEST(FrameDrawing, LeavesNoObjectAndPutsStateBack)
{
    FramedPlot p(300, 200);
    p.graph.FrameForeColor(0x000080);
    p.graph.DrawMode(gdi::R2_XORPEN);
    p.graph.Clear(false);
    p.graph.SetScale(-5, -5, 5, 5);
    const gdi::HGDIOBJ plotPen = gdi::GetCurrentObject(p.inside.hDC(), gdi::OBJ_PEN);
    const gdi::HGDIOBJ plotBrush = gdi::GetCurrentObject(p.inside.hDC(), gdi::OBJ_BRUSH);
    const gdi::COLORREF frameText = gdi::GetTextColor(p.frame.hDC());

    p.graph.DrawRectangle(-1, -1, 1, 1, 255, true, 0x00FF00, false);

    EXPECT_EQ(LiveDrawingObjects(), 0);
    EXPECT_EQ(gdi::GetCurrentObject(p.inside.hDC(), gdi::OBJ_PEN), plotPen);
    EXPECT_EQ(gdi::GetCurrentObject(p.inside.hDC(), gdi::OBJ_BRUSH), plotBrush);
    EXPECT_EQ(gdi::GetTextColor(p.frame.hDC()), frameText);
    EXPECT_EQ(gdi::GetROP2(p.frame.hDC()), gdi::R2_COPYPEN) << "copy-pen stays set on the frame";
    EXPECT_EQ(gdi::GetROP2(p.inside.hDC()), gdi::R2_XORPEN) << "the figure's DrawMode stays set";
}

} // namespace
} // namespace vantrel::rendertest

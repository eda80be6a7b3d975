// The selection's dotted inverting lines on the plot area: where they are, what they do to the
// pixels under them, and that nothing of them is ever left behind.
#include "InteractionHost.h"

#include <random>

using namespace vantrel;
using vantrel::testing::InteractionHost;

namespace {

constexpr int32_t n = InteractionHost::plotSize;
using Zoom = void (OrvGraph::*)();

// Filled and outlined figures of many colours over the whole plot, retained for the zooms.
void DrawBusyPicture(OrvGraph& g, uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> at(-10.0, 110.0);
    std::uniform_int_distribution<int32_t> colour(0, 0xFFFFFF);
    for (int i = 0; i < 40; ++i) {
        g.DrawRectangle(at(random), at(random), at(random), at(random), colour(random), i % 2 == 0,
            colour(random), false);
        g.DrawEllipse(at(random), at(random), at(random), at(random), colour(random), i % 3 == 0,
            colour(random), false);
        g.DrawLine(at(random), at(random), at(random), at(random), colour(random), false);
    }
    g.Refresh();
}

// Pixel (x, y) inverted, or left alone, by the dotted lines of a selection with the anchor at
// column ax, row ay and the pointer at column px, row py: a 1-pixel line, 3 pixels on, 3 off,
// counted from the line's start at row 0 or column 0.
bool Inverted(int32_t x, int32_t y, int32_t ax, int32_t ay, int32_t px, int32_t py)
{
    const bool onVertical = y % 6 < 3;
    const bool onHorizontal = x % 6 < 3;
    int32_t hits = 0;
    hits += (x == ax && onVertical) ? 1 : 0;
    hits += (px != ax && x == px && onVertical) ? 1 : 0;
    hits += (y == ay && onHorizontal) ? 1 : 0;
    hits += (py != ay && y == py && onHorizontal) ? 1 : 0;
    return hits % 2 == 1;
}

// Compares the plot area with `base` under the selection's lines for an anchor and a pointer
// (plot pixels).
void ExpectSelection(InteractionHost& t, const std::vector<uint32_t>& base, int32_t ax, int32_t ay,
    int32_t px, int32_t py)
{
    const std::vector<uint32_t> shown = t.Plot();
    for (int32_t y = 0; y < n; ++y) {
        for (int32_t x = 0; x < n; ++x) {
            const size_t i = static_cast<size_t>(y * n + x);
            const uint32_t expected
                = Inverted(x, y, ax, ay, px, py) ? (~base[i] & 0xFFFFFFu) : base[i];
            ASSERT_EQ(shown[i], expected) << "pixel " << x << ", " << y;
        }
    }
}

TEST(SelectionLines, ADragShowsTheLinesAndANewPressRemovesThem)
{
    InteractionHost t;
    DrawBusyPicture(t.Graph(), 7);
    const std::vector<uint32_t> base = t.Plot();
    t.Drag(20.4f, 30.0f, 61.5f, 70.0f); // columns round to 20 and 62 (61.5 to even)
    ExpectSelection(t, base, 20, 30, 62, 70);
    // The lines are on the screen as well, over the plot area's 3-D border.
    EXPECT_EQ(t.host.ScreenPixel(80 + 2 + 20, 80 + 2 + 0), t.Plot()[20]);

    t.host.InsideMouseDown(1, 0, 50, 50);
    EXPECT_EQ(t.Plot(), base);
    t.host.InsideMouseMove(1, 0, 80, 10);
    ExpectSelection(t, base, 50, 50, 80, 10);
    EXPECT_EQ(t.host.GdiObjectCount(), 0);
}

// Seeded random gestures with every button combination, positions inside, outside and not a
// number, interleaved with zooms: after a press the plot area is exactly what a full redraw
// paints, so no selection pixel is left anywhere.
TEST(SelectionLines, AnySequenceOfGesturesAndZoomsLeavesNoSelectionPixels)
{
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        InteractionHost t;
        DrawBusyPicture(t.Graph(), seed);
        const std::vector<uint32_t> drawn = t.Plot();
        t.Graph().Redraw();
        ASSERT_EQ(t.Plot(), drawn) << "the replay paints what the drawing calls painted";

        std::mt19937 random(seed);
        std::uniform_real_distribution<float> position(-30.0f, 130.0f);
        std::uniform_int_distribution<int> pick(0, 19);
        for (int step = 0; step < 60; ++step) {
            const int what = pick(random);
            const int16_t button = static_cast<int16_t>(what % 5 == 4 ? what % 8 : 1);
            const float x = what == 13 ? std::nanf("") : position(random);
            const float y = position(random);
            if (what < 10) {
                t.host.InsideMouseMove(button, 0, x, y);
            } else if (what < 13) {
                t.host.InsideMouseDown(button, 0, x, y);
            } else if (what < 16) {
                t.host.InsideMouseUp(button, 0, x, y);
            } else {
                const Zoom zooms[] = { &OrvGraph::ZoomBox, &OrvGraph::ZoomHorizontal,
                    &OrvGraph::ZoomVertical, &OrvGraph::ZoomOff };
                (t.Graph().*zooms[what - 16])();
                t.host.InsideMouseDown(1, 0, x, y);
                const std::vector<uint32_t> pressed = t.Plot();
                t.Graph().Redraw();
                ASSERT_EQ(t.Plot(), pressed) << "step " << step;
            }
        }
        t.host.InsideMouseDown(1, 0, 50, 50);
        const std::vector<uint32_t> pressed = t.Plot();
        t.Graph().Redraw();
        EXPECT_EQ(t.Plot(), pressed);
        EXPECT_EQ(t.host.GdiObjectCount(), 0);
    }
}

} // namespace

// The selection's dotted inverting lines on the plot area: where they are, what they do to the
// pixels under them, and that nothing of them is ever left behind.
#include "InteractionHost.h"

#include <random>

using namespace vantrel;
using vantrel::testing::ChangedPixels;
using vantrel::testing::InteractionHost;

namespace {

constexpr int32_t n = InteractionHost::plotSize;

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

TEST(SelectionLines, ADragShowsDottedInvertingLinesAtTheAnchorAndThePointer)
{
    InteractionHost t;
    DrawBusyPicture(t.Graph(), 7);
    const std::vector<uint32_t> base = t.Plot();
    t.Drag(20.4f, 30.0f, 61.5f, 70.0f); // columns round to 20 and 62 (61.5 to even)

    const std::vector<uint32_t> shown = t.Plot();
    for (int32_t y = 0; y < n; ++y) {
        for (int32_t x = 0; x < n; ++x) {
            const size_t i = static_cast<size_t>(y * n + x);
            const uint32_t expected
                = Inverted(x, y, 20, 30, 62, 70) ? (~base[i] & 0xFFFFFFu) : base[i];
            ASSERT_EQ(shown[i], expected) << "pixel " << x << ", " << y;
        }
    }
    // The lines are on the screen as well, over the plot area's 3-D border.
    EXPECT_EQ(t.host.ScreenPixel(80 + 2 + 20, 80 + 2 + 0), shown[20]);
    EXPECT_EQ(t.host.GdiObjectCount(), 0);
}

TEST(SelectionLines, APressAloneDrawsNothingAndTheFirstMoveDrawsTheAnchor)
{
    InteractionHost t;
    const std::vector<uint32_t> base = t.Plot();
    t.host.InsideMouseDown(1, 0, 40, 40);
    EXPECT_EQ(t.Plot(), base);
    // A move back onto the anchor shows the anchor's two lines alone.
    t.host.InsideMouseMove(1, 0, 40, 40);
    // 51 dots on each line of 100 pixels (3 on, 3 off); they do not meet at 40, 40.
    EXPECT_EQ(ChangedPixels(base, t.Plot()), 51 + 51);
}

TEST(SelectionLines, GesturesThatMustDrawNothing)
{
    struct Row {
        const char* label;
        int16_t button;
        std::function<void(OrvGraph&)> arrange;
    };
    const Row rows[] = {
        { "right button", 2, [](OrvGraph&) {} },
        { "left and right together", 3, [](OrvGraph&) {} },
        { "middle button", 4, [](OrvGraph&) {} },
        { "KeepData off", 1, [](OrvGraph& g) { g.KeepData(false); } },
        { "ZoomEnabled off", 1, [](OrvGraph& g) { g.ZoomEnabled(false); } },
        { "frame not drawn since the clear", 1, [](OrvGraph& g) { g.Clear(); } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        InteractionHost t;
        row.arrange(t.Graph());
        const std::vector<uint32_t> base = t.Plot();
        t.Drag(20, 30, 60, 70, row.button);
        EXPECT_EQ(t.Plot(), base);
    }
}

TEST(SelectionLines, ANewPressRemovesTheOldSelection)
{
    InteractionHost t;
    DrawBusyPicture(t.Graph(), 11);
    const std::vector<uint32_t> base = t.Plot();
    t.Drag(20, 30, 60, 70);
    ASSERT_NE(t.Plot(), base);
    t.host.InsideMouseDown(1, 0, 50, 50);
    EXPECT_EQ(t.Plot(), base);
    // The second selection alone is shown after its drag.
    t.host.InsideMouseMove(1, 0, 80, 10);
    InteractionHost only;
    DrawBusyPicture(only.Graph(), 11);
    only.Drag(50, 50, 80, 10, 1, 1);
    EXPECT_EQ(t.Plot(), only.Plot());
}

TEST(SelectionLines, AReleaseAwayFromTheLastMoveStillRemovesWhatWasDrawn)
{
    InteractionHost t;
    DrawBusyPicture(t.Graph(), 3);
    const std::vector<uint32_t> base = t.Plot();
    t.host.InsideMouseDown(1, 0, 10, 10);
    t.host.InsideMouseMove(1, 0, 40, 40);
    t.host.InsideMouseUp(1, 0, 90, 90);
    // An up, then moves with the left button but without a press.
    t.host.InsideMouseMove(1, 0, 70, 20);
    t.host.InsideMouseMove(1, 0, 75, 25);
    t.host.InsideMouseDown(1, 0, 50, 50);
    EXPECT_EQ(t.Plot(), base);
}

TEST(SelectionLines, AResizeWhileShownLeavesNoStrayPixels)
{
    InteractionHost t;
    t.Drag(20, 30, 60, 70);
    t.host.ResizePixels(260, 250); // the plot area grows; the image keeps its top-left part
    const uint32_t background = t.host.InsidePixel(143, 133);
    t.host.InsideMouseDown(1, 0, 5, 5);
    for (int32_t y = 0; y < 134; ++y)
        for (int32_t x = n; x < 144; ++x)
            ASSERT_EQ(t.host.InsidePixel(x, y), background) << x << ", " << y;
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
                if (what == 16)
                    t.Graph().ZoomBox();
                else if (what == 17)
                    t.Graph().ZoomHorizontal();
                else if (what == 18)
                    t.Graph().ZoomVertical();
                else
                    t.Graph().ZoomOff();
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

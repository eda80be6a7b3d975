// Replaying retained series and shapes: pen settings, a new size, the host's changes.
#include "RetainedFixture.h"

namespace vantrel::retainedtest {
namespace {

// A box from the origin and a 3-pixel level at 8 (row 60). After a resize to a 100 x 300 plot
// the replay keeps the range and sets the series' pen again; 1000 redraws retain nothing twice
// and leave no pen or brush behind.
TEST(SeriesReplay, ARedrawAfterResizeReplaysAtTheNewSizeWithTheItemsPen)
{
    Graph g;
    g.graph.DrawFromShape(Box(0, 0, 5, 5, red));
    g.graph.DrawFromSource(Level(8, blue, 3));
    EXPECT_EQ(g.graph.DrawWidth(), 3);
    EXPECT_EQ(std::vector({ g.inside.ImagePixel(100, 61), g.inside.ImagePixel(100, 63) }),
        std::vector({ blue, white }))
        << "three pixels wide";

    g.graph.DrawWidth(1);
    g.container.SetSize(216 * 15.0f, 416 * 15.0f);
    g.graph.Resize();
    for (int i = 0; i < 1000; ++i)
        g.graph.Redraw();
    EXPECT_EQ(g.graph.XMax(), 10.0);
    EXPECT_EQ(g.graph.DrawWidth(), 3);
    EXPECT_EQ(std::vector({ g.inside.ImagePixel(45, 200), g.inside.ImagePixel(55, 200),
                  g.inside.ImagePixel(90, 60), g.inside.ImagePixel(90, 50) }),
        std::vector({ red, white, blue, white }));
    EXPECT_EQ(g.graph.CurrentData()->PanelList()->Item(1)->Count(), 2);
    EXPECT_EQ(LivePensAndBrushes(), 0);
}

TEST(SeriesReplay, TheNextRedrawShowsTheHostsChangesToARetainedSeries)
{
    struct Case {
        const char* label;
        std::function<void(XYItem_Data&)> change;
        double x, y;
        uint32_t before, after;
    };
    const Case cases[] = {
        { "a value moved", [](XYItem_Data& s) { s.Y(10, 8.0); }, 9.9, 5, red, white },
        { "impulses from the axis", [](XYItem_Data& s) { s.GraphType(gdtImpulse); }, 5, 2, white,
            red },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Graph g;
        const auto series = Level(5, red, 1);
        g.graph.DrawFromSource(series);
        ASSERT_EQ(g.At(c.x, c.y), c.before);
        c.change(*series);
        g.graph.Redraw();
        EXPECT_EQ(g.At(c.x, c.y), c.after);
    }
}

} // namespace
} // namespace vantrel::retainedtest

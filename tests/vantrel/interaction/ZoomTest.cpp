// Zooming: the selection converted with the axes as displayed, the conditions, the nesting,
// user bounds and the way home.
#include "InteractionHost.h"

using namespace vantrel;
using vantrel::testing::InteractionHost;

namespace {

const BoundsRecord home { 0, 100, 0, 100 };
using Zoom = std::function<void(OrvGraph&)>;

// Columns 20..60 and rows 30..70 of a 0..100 plot: X 20..60, Y 30..70 (rows grow downwards),
// whichever corner the drag starts from. ZoomUser ignores the selection.
TEST(Zoom, EachModeAppliesItsAxesOfOneSelectionOnce)
{
    struct Row {
        const char* label;
        float x0, y0, x1, y1;
        std::vector<Zoom> zooms;
        GraphZoomConstants state;
        BoundsRecord expected;
    };
    const Zoom box = &OrvGraph::ZoomBox;
    const Zoom horizontal = &OrvGraph::ZoomHorizontal;
    const Zoom vertical = &OrvGraph::ZoomVertical;
    const Zoom reversedUser = [](OrvGraph& g) { g.ZoomUser(10, 0, 5, 100); };
    const Zoom homeUser = [](OrvGraph& g) { g.ZoomUser(0, 0, 100, 100); };
    const Row rows[] = {
        { "box, top left to bottom right", 20, 30, 60, 70, { box }, grzBox, { 20, 60, 30, 70 } },
        { "box, bottom right to top left", 60, 70, 20, 30, { box }, grzBox, { 20, 60, 30, 70 } },
        { "horizontal keeps Y", 60, 70, 20, 30, { horizontal }, grzLeftRight, { 20, 60, 0, 100 } },
        { "vertical keeps X", 20, 70, 60, 30, { vertical }, grzUpDown, { 0, 100, 30, 70 } },
        { "box twice zooms once", 20, 30, 60, 70, { box, box }, grzBox, { 20, 60, 30, 70 } },
        { "horizontal then vertical: both axes from one drag", 20, 30, 60, 70,
            { horizontal, vertical }, grzUpDown, { 20, 60, 30, 70 } },
        { "after both axes nothing is left to apply", 20, 30, 60, 70,
            { horizontal, vertical, box, horizontal }, grzUpDown, { 20, 60, 30, 70 } },
        { "ZoomUser handed on unchanged", 20, 30, 60, 70, { reversedUser }, grzUser,
            { 10, 5, 0, 100 } },
        { "ZoomOff when the user bounds are home: nothing to do", 20, 30, 60, 70,
            { homeUser, &OrvGraph::ZoomOff }, grzUser, home },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        InteractionHost t;
        t.Drag(row.x0, row.y0, row.x1, row.y1);
        for (const Zoom& zoom : row.zooms)
            zoom(t.Graph());
        EXPECT_EQ(t.Displayed(), row.expected);
        EXPECT_EQ(t.Graph().ZoomState(), row.state);
        EXPECT_EQ(t.Graph().CurrentData()->Bounds()->GetRecord(), home) << "home stays";
    }
}

// The first zoom comes from the host's mouse-up handler and takes the release position, which no
// move reached.
TEST(Zoom, ZoomsNestWithTheAxesAsDisplayedAndZoomOffGoesHomeInOneStep)
{
    InteractionHost t;
    t.sink.onInsideUp = [&t] { t.Graph().ZoomBox(); };
    t.host.InsideMouseDown(1, 0, 0, 0);
    t.host.InsideMouseMove(1, 0, 30, 30);
    t.host.InsideMouseUp(1, 0, 50, 50); // X 0..50, Y 50..100
    t.sink.onInsideUp = nullptr;
    EXPECT_EQ(t.Displayed(), (BoundsRecord { 0, 50, 50, 100 }));
    t.Drag(50, 50, 100, 100); // the lower right quarter of that: X 25..50, Y 50..75
    t.Graph().ZoomBox();
    EXPECT_EQ(t.Displayed(), (BoundsRecord { 25, 50, 50, 75 }));
    t.host.InsideMouseMove(0, 0, 40.0f, 20.0f);
    EXPECT_EQ(t.host.InsideToolTipText(), "35, 70") << "the read-out follows the zoom";

    t.Graph().ZoomOff();
    EXPECT_EQ(t.Displayed(), home);
    EXPECT_EQ(t.Graph().ZoomState(), grzOff);
}

// Gestures that show no selection leave the plot area as it was; none of the rows zooms.
TEST(Zoom, NothingChangesWithoutAnExtentOrWithoutTheConditions)
{
    struct Row {
        const char* label;
        Zoom before;
        int16_t button; // 0: no drag from (20, 30)
        float x1, y1;
        int steps;
        Zoom after;
        bool plotUnchanged;
    };
    const Zoom none = [](OrvGraph&) {};
    const Zoom box = [](OrvGraph& g) { g.ZoomBox(); };
    const Row rows[] = {
        { "right-button drag", none, 2, 60, 70, 4, box, true },
        { "left and right held together", none, 3, 60, 70, 4, box, true },
        { "press and release without a move", none, 1, 20, 30, 0, box, true },
        { "press, move and release at the press", none, 1, 20, 30, 3, box, false },
        { "a drag in X alone", none, 1, 60, 30, 4,
            [](OrvGraph& g) {
                g.ZoomBox();
                g.ZoomVertical();
            },
            false },
        { "KeepData off", [](OrvGraph& g) { g.KeepData(false); }, 1, 60, 70, 4,
            [](OrvGraph& g) {
                g.KeepData(true);
                g.ZoomBox();
                g.KeepData(false);
                g.ZoomUser(1, 2, 3, 4);
            },
            true },
        { "ZoomEnabled off", [](OrvGraph& g) { g.ZoomEnabled(false); }, 1, 60, 70, 4, box, true },
        { "frame not drawn since the clear", [](OrvGraph& g) { g.Clear(); }, 1, 60, 70, 4, box,
            true },
        { "nothing loaded since the clear", none, 1, 60, 70, 4,
            [](OrvGraph& g) {
                g.Clear(false);
                g.ZoomBox();
                g.ZoomUser(1, 2, 3, 4);
            },
            false },
        { "ZoomUser with XMin equal to XMax or YMin to YMax", none, 0, 0, 0, 0,
            [](OrvGraph& g) {
                g.ZoomUser(5, 0, 5, 100);
                g.ZoomUser(0, 7, 100, 7);
            },
            true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        InteractionHost t;
        row.before(t.Graph());
        const std::vector<uint32_t> base = t.Plot();
        if (row.button != 0)
            t.Drag(20, 30, row.x1, row.y1, row.button, row.steps);
        if (row.plotUnchanged) {
            EXPECT_EQ(t.Plot(), base);
        }
        row.after(t.Graph());
        EXPECT_EQ(t.Displayed(), home);
        EXPECT_EQ(t.Graph().ZoomState(), grzOff);
    }
}

} // namespace

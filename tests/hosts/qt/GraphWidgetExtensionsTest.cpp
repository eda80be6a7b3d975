// The widget's extensions: off by default; wheel zoom about the pointer, panning by the dragged
// pixels, the zoom history's exact bounds, and the snapping read-out.
#include "QtTestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <vantrel/qt/GraphWidget.h>

namespace {

using vantrel::BoundsRecord;
using vantrel::qt::GraphWidget;
using namespace vantrel::qttest;

const QPoint plotOrigin(82, 82);

BoundsRecord Shown(const vantrel::OrvGraph& g)
{
    return { g.XMin(), g.XMax(), g.YMin(), g.YMax() };
}

// Axis value and plot pixel, through the axes' own mapping.
const vantrel::AxisDesign& XDesign(const vantrel::OrvGraph& g)
{
    return *g.CurrentData()->XAxis()->Design();
}
const vantrel::AxisDesign& YDesign(const vantrel::OrvGraph& g)
{
    return *g.CurrentData()->YAxis()->Design();
}
int PixelX(const vantrel::OrvGraph& g, double x) { return XDesign(g).GetPixel(x); }
int PixelY(const vantrel::OrvGraph& g, double y) { return YDesign(g).GetPixel(y); }
double ValueX(const vantrel::OrvGraph& g, int px) { return XDesign(g).GetValue(px); }
double ValueY(const vantrel::OrvGraph& g, int py) { return YDesign(g).GetValue(py); }

class GraphWidgetExtensionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        widget.resize(graphWidth, graphHeight);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        DrawScript(widget.graph());
    }

    void Wheel(QPoint plotPixel, int delta, Qt::KeyboardModifiers modifiers)
    {
        const QPointF at(plotOrigin + plotPixel);
        QWheelEvent event(at, widget.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
            modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&widget, &event);
    }

    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(&widget, button, Qt::NoModifier, plotOrigin + from);
        QMouseEvent move(QEvent::MouseMove, QPointF(plotOrigin + to),
            widget.mapToGlobal(QPointF(plotOrigin + to)), Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
        QTest::mouseRelease(&widget, button, Qt::NoModifier, plotOrigin + to);
    }

    GraphWidget widget;
};

TEST_F(GraphWidgetExtensionsTest, WheelKeepsTheValueUnderThePointer)
{
    const vantrel::OrvGraph& g = widget.graph();
    const BoundsRecord home = Shown(g);
    Wheel(QPoint(100, 100), 120, Qt::NoModifier);
    EXPECT_EQ(Shown(g), home) << "off by default";
    widget.setWheelZoom(true);
    const struct {
        const char* label;
        QPoint at;
        int delta;
        Qt::KeyboardModifiers modifiers;
        bool xChanges;
        bool yChanges;
    } rows[] = {
        { "in, both axes", { 57, 31 }, 120, Qt::NoModifier, true, true },
        { "out, both axes", { 200, 150 }, -240, Qt::NoModifier, true, true },
        { "ctrl: X only", { 13, 170 }, 120, Qt::ControlModifier, true, false },
        { "shift: Y only", { 230, 9 }, 360, Qt::ShiftModifier, false, true },
    };
    for (const auto& row : rows) {
        const BoundsRecord before = Shown(g);
        const double x = ValueX(g, row.at.x());
        const double y = ValueY(g, row.at.y());
        Wheel(row.at, row.delta, row.modifiers);
        EXPECT_NEAR(PixelX(g, x), row.at.x(), 1) << row.label;
        EXPECT_NEAR(PixelY(g, y), row.at.y(), 1) << row.label;
        EXPECT_EQ(g.XMax() - g.XMin() != before.XMax - before.XMin, row.xChanges) << row.label;
        EXPECT_EQ(g.YMax() - g.YMin() != before.YMax - before.YMin, row.yChanges) << row.label;
    }
}

TEST_F(GraphWidgetExtensionsTest, PanMovesTheDataByTheDraggedPixels)
{
    const vantrel::OrvGraph& g = widget.graph();
    const BoundsRecord home = Shown(g);
    Drag(Qt::MiddleButton, QPoint(100, 100), QPoint(140, 90));
    EXPECT_EQ(Shown(g), home) << "off by default";
    widget.setPanning(true);
    const double x = 5.0;
    const double y = 0.5;
    const int px = PixelX(g, x);
    const int py = PixelY(g, y);
    Drag(Qt::MiddleButton, QPoint(100, 100), QPoint(137, 71));
    EXPECT_EQ(PixelX(g, x), px + 37);
    EXPECT_EQ(PixelY(g, y), py - 29);
}

TEST_F(GraphWidgetExtensionsTest, HistoryRestoresExactBounds)
{
    widget.setWheelZoom(true);
    widget.setPanning(true);
    widget.setZoomHistoryKeys(true);
    vantrel::OrvGraph& g = widget.graph();
    QSignalSpy zoomed(&widget, &GraphWidget::zoomed);
    std::vector<BoundsRecord> visited { Shown(g) };
    Wheel(QPoint(120, 80), 120, Qt::NoModifier);
    visited.push_back(Shown(g));
    Drag(Qt::MiddleButton, QPoint(100, 100), QPoint(60, 130));
    visited.push_back(Shown(g));
    g.ZoomUser(1.25, -0.75, 3.5, 0.25);
    QCoreApplication::processEvents();
    visited.push_back(Shown(g));
    for (int i = static_cast<int>(visited.size()) - 2; i >= 0; --i) {
        QTest::keyClick(&widget, Qt::Key_Left, Qt::AltModifier);
        EXPECT_EQ(Shown(g), visited[static_cast<std::size_t>(i)]) << "back to " << i;
    }
    QTest::mouseClick(&widget, Qt::ForwardButton, Qt::NoModifier, plotOrigin + QPoint(5, 5));
    EXPECT_EQ(Shown(g), visited[1]);
    widget.zoomForward();
    EXPECT_EQ(Shown(g), visited[2]);
    QTest::keyClick(&widget, Qt::Key_Home);
    EXPECT_EQ(Shown(g), visited[0]);
    EXPECT_EQ(g.ZoomState(), vantrel::grzOff);
    EXPECT_GE(zoomed.count(), 8);
}

TEST_F(GraphWidgetExtensionsTest, SnapReadoutNamesTheNearestPoint)
{
    widget.setSnapReadout(true);
    vantrel::OrvGraph& g = widget.graph();
    g.CurrentData()->PanelList()->Item(1)->Item(2)->Name("dots");
    // The dot at (3, -1), approached from 5 pixels away; the sine is far from it.
    const QPoint dot(PixelX(g, 3.0), PixelY(g, -1.0));
    QTest::mouseMove(&widget, plotOrigin + dot + QPoint(3, 4));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("dots: 3, -1"));
    // Nine pixels away nothing snaps: the control's own read-out.
    QTest::mouseMove(&widget, plotOrigin + dot + QPoint(0, 9));
    EXPECT_NE(QToolTip::text(), QStringLiteral("dots: 3, -1"));
    EXPECT_FALSE(QToolTip::text().isEmpty());
}

} // namespace

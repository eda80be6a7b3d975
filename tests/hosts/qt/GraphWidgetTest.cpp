// The Qt widget against the off-screen host: the same pixels, the same zoom and events from
// the same drag, the tooltip, pointer shapes, resizing and the properties.
#include "QtTestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <vantrel/qt/GraphWidget.h>

namespace {

using vantrel::HeadlessHost;
using vantrel::qt::GraphWidget;
using namespace vantrel::qttest;

// One file per process: the suite runs at two device pixel ratios side by side.
const std::string scratch = std::string(VANTREL_TEST_OUTPUT_DIR) + "/qt-headless-"
    + std::to_string(QCoreApplication::applicationPid()) + ".png";

// Records the off-screen host's events and zooms on the release, as a host would.
class RecordingSink : public vantrel::OrvGraphEvents {
public:
    explicit RecordingSink(vantrel::OrvGraph& graph)
        : graph_(graph)
    {
    }
    void InsideMouseDown(int16_t& b, int16_t& s, double& x, double& y) override
    {
        events.append(EventText("down", b, s, x, y));
    }
    void InsideMouseMove(int16_t& b, int16_t& s, double& x, double& y) override
    {
        events.append(EventText("move", b, s, x, y));
    }
    void InsideMouseUp(int16_t& b, int16_t& s, double& x, double& y) override
    {
        events.append(EventText("up", b, s, x, y));
        graph_.ZoomBox();
    }
    void InsideClick() override { events.append(QStringLiteral("click")); }
    QStringList events;

private:
    vantrel::OrvGraph& graph_;
};

// A move with no button held, delivered as the window system would, at exactly `at`.
void MoveTo(QWidget& widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// The widget shown at graphWidth x graphHeight, the script drawn.
class GraphWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        widget.resize(graphWidth, graphHeight);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        DrawScript(widget.graph());
        host.InitNew();
        DrawScript(host.Graph());
    }

    // The widget's own pixels after Qt has handled every pending repaint.
    QImage Grab()
    {
        QCoreApplication::processEvents();
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    int Ratio() const { return static_cast<int>(std::lround(widget.devicePixelRatioF())); }

    GraphWidget widget;
    HeadlessHost host { graphWidth, graphHeight };
};

TEST_F(GraphWidgetTest, StartsAsANewControl)
{
    GraphWidget fresh;
    EXPECT_EQ(fresh.graph().InsideMousePointer(), 2);
    EXPECT_TRUE(fresh.graph().KeepData());
    EXPECT_EQ(fresh.graph().FrameLeft(), 1200.0f);
    EXPECT_EQ(fresh.graph().FramePixelWidth(), fresh.width() - 4);
}

TEST_F(GraphWidgetTest, ShowsTheOffScreenHostsPixels)
{
    EXPECT_EQ(CompareScaled(HeadlessImage(host, scratch), Grab(), Ratio()), QString());
}

TEST_F(GraphWidgetTest, DragGivesTheSameZoomAndEvents)
{
    RecordingSink sink(host.Graph());
    host.Graph().SetEventSink(&sink);
    QStringList events;
    QObject::connect(&widget, &GraphWidget::insideMousePressed,
        [&](int b, int s, double x, double y) { events.append(EventText("down", b, s, x, y)); });
    QObject::connect(&widget, &GraphWidget::insideMouseMoved,
        [&](int b, int s, double x, double y) { events.append(EventText("move", b, s, x, y)); });
    QObject::connect(
        &widget, &GraphWidget::insideMouseReleased, [&](int b, int s, double x, double y) {
            events.append(EventText("up", b, s, x, y));
            widget.graph().ZoomBox();
        });
    QObject::connect(&widget, &GraphWidget::insideClicked, [&] { events.append("click"); });
    QSignalSpy zoomed(&widget, &GraphWidget::zoomed);

    // The plot area starts at 80 + 2 pixels from the left and top (1200 twips and the border).
    const QPoint origin(82, 82);
    const QPoint from(30, 20);
    const QPoint to(150, 110);
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, origin + from);
    host.InsideMouseDown(1, 0, from.x(), from.y());
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + (to - from) * step / 4;
        QMouseEvent move(QEvent::MouseMove, QPointF(origin + at),
            widget.mapToGlobal(QPointF(origin + at)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
        host.InsideMouseMove(1, 0, at.x(), at.y());
        EXPECT_EQ(CompareScaled(HeadlessImage(host, scratch), Grab(), Ratio()), QString())
            << "step " << step;
    }
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, origin + to);
    host.InsideMouseUp(1, 0, to.x(), to.y());
    host.InsideClick();

    EXPECT_EQ(events, sink.events);
    EXPECT_EQ(widget.graph().ZoomState(), vantrel::grzBox);
    EXPECT_EQ(widget.graph().XMin(), host.Graph().XMin());
    EXPECT_EQ(widget.graph().XMax(), host.Graph().XMax());
    EXPECT_EQ(widget.graph().YMin(), host.Graph().YMin());
    EXPECT_EQ(widget.graph().YMax(), host.Graph().YMax());
    EXPECT_EQ(zoomed.count(), 1);
    EXPECT_EQ(CompareScaled(HeadlessImage(host, scratch), Grab(), Ratio()), QString());
}

TEST_F(GraphWidgetTest, TooltipFollowsTheControl)
{
    const QPoint over(82 + 100, 82 + 50);
    MoveTo(widget, over);
    host.InsideMouseMove(0, 0, 100, 50);
    const QString expected = QString::fromStdString(host.InsideToolTipText());
    EXPECT_FALSE(expected.isEmpty());
    EXPECT_EQ(QToolTip::text(), expected);
    // Both axes leave the read-out: the control clears the text, the tooltip goes.
    widget.graph().XAxisToolTip(false);
    widget.graph().YAxisToolTip(false);
    widget.graph().Redraw();
    MoveTo(widget, over + QPoint(3, 0));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

TEST_F(GraphWidgetTest, CursorsFollowTheProperties)
{
    const struct {
        const char* label;
        int frame;
        int inside;
        Qt::CursorShape overFrame;
        Qt::CursorShape overInside;
    } rows[] = {
        { "defaults", 0, 2, Qt::ArrowCursor, Qt::CrossCursor },
        { "hourglass inside", 0, 11, Qt::ArrowCursor, Qt::WaitCursor },
        { "sizes", 9, 7, Qt::SizeHorCursor, Qt::SizeVerCursor },
        { "custom falls back to the arrow", 14, 99, Qt::WhatsThisCursor, Qt::ArrowCursor },
    };
    for (const auto& row : rows) {
        widget.graph().FrameMousePointer(row.frame);
        widget.graph().InsideMousePointer(row.inside);
        QTest::mouseMove(&widget, QPoint(10, 10));
        EXPECT_EQ(widget.cursor().shape(), row.overFrame) << row.label;
        QTest::mouseMove(&widget, QPoint(150, 150));
        EXPECT_EQ(widget.cursor().shape(), row.overInside) << row.label;
    }
}

TEST_F(GraphWidgetTest, ResizeRedrawsAtTheNewSize)
{
    widget.resize(300, 220);
    host.ResizePixels(300, 220);
    widget.graph().Redraw();
    host.Graph().Redraw();
    EXPECT_EQ(widget.graph().FramePixelWidth(), 296);
    EXPECT_EQ(CompareScaled(HeadlessImage(host, scratch), Grab(), Ratio()), QString());
}

TEST_F(GraphWidgetTest, DisabledWidgetDisablesTheControl)
{
    QStringList events;
    QObject::connect(&widget, &GraphWidget::insideMousePressed,
        [&](int, int, double, double) { events.append("down"); });
    widget.setEnabled(false);
    EXPECT_FALSE(widget.graph().Enabled());
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    EXPECT_TRUE(events.isEmpty());
    widget.graph().Enabled(true);
    EXPECT_TRUE(widget.isEnabled());
}

} // namespace

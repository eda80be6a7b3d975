// The Qt widget against the off-screen host: the same pixels in the window (painted whole, and a
// change at a time during a drag), the same zoom and events from the same drag, the tooltip,
// pointer shapes and Enabled.
#include "QtTestSupport.h"

#include <QScreen>
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

void Move(QWidget& widget, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::NoButton,
        buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// The widget inside a window, away from its corner (so that painting must mind the offset),
// at graphWidth x graphHeight with the script drawn.
class GraphWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(graphWidth + 20, graphHeight + 20);
        widget.setGeometry(offset.x(), offset.y(), graphWidth, graphHeight);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        DrawScript(widget.graph());
        host.InitNew();
        DrawScript(host.Graph());
    }

    // Empty when the widget shows the off-screen host's screen, once Qt has handled every
    // pending repaint: as painted into the window's backing store, or at a device pixel ratio
    // of 2 (where the offscreen platform's window grab takes logical sizes for device ones) as
    // the widget paints itself whole.
    std::string CompareWithHost()
    {
        QCoreApplication::processEvents();
        const QPixmap shown = Ratio() == 1 ? window.screen()->grabWindow(window.winId(), offset.x(),
                                  offset.y(), widget.width(), widget.height())
                                           : widget.grab();
        return CompareScaled(HeadlessImage(host, scratch),
            shown.toImage().convertToFormat(QImage::Format_RGB32), Ratio())
            .toStdString();
    }

    int Ratio() const { return static_cast<int>(std::lround(widget.devicePixelRatioF())); }

    const QPoint offset { 7, 5 };
    QWidget window;
    GraphWidget widget { &window };
    HeadlessHost host { graphWidth, graphHeight };
};

TEST_F(GraphWidgetTest, ShowsTheOffScreenHostsPixelsAlsoAfterAResize)
{
    EXPECT_EQ(CompareWithHost(), "");
    widget.resize(300, 220);
    host.ResizePixels(300, 220);
    widget.graph().Redraw();
    host.Graph().Redraw();
    EXPECT_EQ(widget.graph().FramePixelWidth(), 296);
    EXPECT_EQ(CompareWithHost(), "");
}

TEST_F(GraphWidgetTest, DragGivesTheSameZoomPixelsAndEvents)
{
    RecordingSink sink(host.Graph());
    host.Graph().SetEventSink(&sink);
    QStringList events;
    const auto record = [&events](const char* name) {
        return [&events, name](int b, int s, double x, double y) {
            events.append(EventText(name, b, s, x, y));
        };
    };
    QObject::connect(&widget, &GraphWidget::insideMousePressed, record("down"));
    QObject::connect(&widget, &GraphWidget::insideMouseMoved, record("move"));
    QObject::connect(&widget, &GraphWidget::insideMouseReleased, record("up"));
    QObject::connect(&widget, &GraphWidget::insideMouseReleased, [&] { widget.graph().ZoomBox(); });
    QObject::connect(&widget, &GraphWidget::insideClicked, [&] { events.append("click"); });
    QSignalSpy zoomed(&widget, &GraphWidget::zoomed);

    // The plot area starts at 80 + 2 pixels from the left and top (1200 twips and the border).
    const QPoint origin(82, 82);
    const QPoint from(30, 20);
    const QPoint to(150, 110);
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, origin + from);
    host.InsideMouseDown(1, 0, from.x(), from.y());
    // Each move repaints only the selection's strips: the window must still match.
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + (to - from) * step / 4;
        Move(widget, origin + at, Qt::LeftButton);
        host.InsideMouseMove(1, 0, at.x(), at.y());
        EXPECT_EQ(CompareWithHost(), "") << "step " << step;
    }
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, origin + to);
    host.InsideMouseUp(1, 0, to.x(), to.y());
    host.InsideClick();

    EXPECT_EQ(events, sink.events);
    EXPECT_EQ(widget.graph().ZoomState(), vantrel::grzBox);
    const vantrel::BoundsRecord widgetBounds { widget.graph().XMin(), widget.graph().XMax(),
        widget.graph().YMin(), widget.graph().YMax() };
    const vantrel::BoundsRecord hostBounds { host.Graph().XMin(), host.Graph().XMax(),
        host.Graph().YMin(), host.Graph().YMax() };
    EXPECT_EQ(widgetBounds, hostBounds);
    EXPECT_EQ(zoomed.count(), 1);
    EXPECT_EQ(CompareWithHost(), "");
}

TEST_F(GraphWidgetTest, TooltipFollowsTheControl)
{
    const QPoint over(82 + 100, 82 + 50);
    Move(widget, over, Qt::NoButton);
    host.InsideMouseMove(0, 0, 100, 50);
    const QString expected = QString::fromStdString(host.InsideToolTipText());
    EXPECT_FALSE(expected.isEmpty());
    EXPECT_EQ(QToolTip::text(), expected);
    // Both axes leave the read-out: the control clears the text, the tooltip goes.
    widget.graph().XAxisToolTip(false);
    widget.graph().YAxisToolTip(false);
    widget.graph().Redraw();
    Move(widget, over + QPoint(3, 0), Qt::NoButton);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

TEST_F(GraphWidgetTest, CursorsFollowThePropertiesAndEnabledTheWidget)
{
    widget.graph().FrameMousePointer(9);
    widget.graph().InsideMousePointer(99);
    QTest::mouseMove(&widget, QPoint(10, 10));
    EXPECT_EQ(widget.cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(&widget, QPoint(150, 150));
    EXPECT_EQ(widget.cursor().shape(), Qt::ArrowCursor);

    int presses = 0;
    QObject::connect(
        &widget, &GraphWidget::insideMousePressed, [&](int, int, double, double) { ++presses; });
    widget.setEnabled(false);
    EXPECT_FALSE(widget.graph().Enabled());
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    EXPECT_EQ(presses, 0);
    widget.graph().Enabled(true);
    EXPECT_TRUE(widget.isEnabled());
}

} // namespace

// In a real X server (xvfb-run, xcb platform): the widget shown in a window and read back from
// the screen equals the off-screen host's image. VANTREL_SCREENSHOT=<file.png> keeps the
// window's image.
#include "QtTestSupport.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <vantrel/qt/GraphWidget.h>

namespace {

using namespace vantrel::qttest;

TEST(XcbWindowTest, ScreenShowsTheOffScreenImage)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    vantrel::qt::GraphWidget widget;
    widget.setWindowTitle(QStringLiteral("VantrelCtls"));
    widget.resize(graphWidth, graphHeight);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    DrawScript(widget.graph());
    vantrel::HeadlessHost host(graphWidth, graphHeight);
    host.InitNew();
    DrawScript(host.Graph());
    const QImage expected
        = HeadlessImage(host, std::string(VANTREL_TEST_OUTPUT_DIR) + "/xcb-headless.png");

    // The X server shows what was painted once the repaint has gone through.
    QImage shown;
    const bool same = QTest::qWaitFor(
        [&] {
            shown = widget.screen()
                        ->grabWindow(widget.winId(), 0, 0, graphWidth, graphHeight)
                        .toImage()
                        .convertToFormat(QImage::Format_RGB32);
            return CompareScaled(expected, shown, 1).isEmpty();
        },
        5000);
    EXPECT_TRUE(same) << CompareScaled(expected, shown, 1).toStdString();
    if (const QByteArray path = qgetenv("VANTREL_SCREENSHOT"); !path.isEmpty())
        shown.save(QString::fromLocal8Bit(path));
}

} // namespace

// On a real X server (xvfb-run, xcb platform): the viewer opens a file and the screen shows the
// graph the widget painted. VANTREL_SCREENSHOT=<file.png> keeps the whole window's image.
#include "ViewerTestSupport.h"

#include <QScreen>

namespace {

using namespace vantrel::viewtest;

using ViewerXcbTest = ViewerFixture;

TEST_F(ViewerXcbTest, ScreenShowsTheOpenedFile)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    window->resize(900, 560);
    ASSERT_TRUE(Open(Example("vibration.csv")));
    const QImage painted = Grab();
    QImage shown;
    const bool same = QTest::qWaitFor(
        [&] {
            const QPoint at = Graph().mapTo(window.get(), QPoint(0, 0));
            shown = window->screen()
                        ->grabWindow(
                            window->winId(), at.x(), at.y(), Graph().width(), Graph().height())
                        .toImage()
                        .convertToFormat(QImage::Format_RGB32);
            return vantrel::qttest::CompareScaled(painted, shown, 1).isEmpty();
        },
        5000);
    EXPECT_TRUE(same) << vantrel::qttest::CompareScaled(painted, shown, 1).toStdString();
    if (const QByteArray path = qgetenv("VANTREL_SCREENSHOT"); !path.isEmpty())
        window->screen()->grabWindow(window->winId()).save(QString::fromLocal8Bit(path));
}

} // namespace

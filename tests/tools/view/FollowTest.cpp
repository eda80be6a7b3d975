// Follow mode: appended rows appear through the append path, truncation starts over, and a
// line still being written waits for its end.
#include "ViewerTestSupport.h"

#include <QElapsedTimer>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <vantrel/vantrel.h>

namespace {

using namespace vantrel;
using namespace vantrel::viewtest;

class FollowTest : public ViewerFixture {
protected:
    void SetUp() override
    {
        ViewerFixture::SetUp();
        std::ofstream(path) << "t,a,b\n0,1,2\n1,2,3\n";
        window->setFollow(true);
        ASSERT_TRUE(Open(QString::fromStdString(path)));
        series = FirstSeries();
        ASSERT_TRUE(series);
    }

    Ref<XYItem_Data> FirstSeries()
    {
        // Between a truncation and the new rows the graph is cleared and holds no series.
        const Ref<GraphData> data = Graph().graph().CurrentData();
        if (!data || data->PanelList()->Count() == 0 || data->PanelList()->Item(1)->Count() == 0)
            return nullptr;
        return std::dynamic_pointer_cast<XYItem_Data>(data->PanelList()->Item(1)->Item(1));
    }

    void Write(const std::string& text, std::ios::openmode mode = std::ios::app)
    {
        std::ofstream out(path, mode);
        out << text;
    }

    // Milliseconds until the first series holds `length` points; -1 if it never does.
    qint64 WaitForLength(int32_t length, int timeoutMs = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        const bool reached = QTest::qWaitFor(
            [&] { return FirstSeries() && FirstSeries()->Length() == length; }, timeoutMs);
        return reached ? clock.elapsed() : -1;
    }

    const std::string path = OutputPath("follow.csv");
    Ref<XYItem_Data> series;
};

TEST_F(FollowTest, AppendedRowsAppearInTheRetainedSeries)
{
    Write("2,3,4\n3,4,5\n");
    const qint64 ms = WaitForLength(4);
    ASSERT_GE(ms, 0);
    // 100 ms on an idle machine; the sanitized build on a shared one gets slack.
    EXPECT_LT(ms, 1000);
    EXPECT_EQ(FirstSeries(), series) << "the file was loaded again instead of appended to";
    EXPECT_EQ(
        std::tuple(series->X(3), series->Y(3), Graph().graph().XMax(), Graph().graph().YMax()),
        std::tuple(3.0, 4.0, 3.0, 5.0))
        << "the point, and the home bounds following the data";
}

TEST_F(FollowTest, HalfWrittenLineWaitsForItsEnd)
{
    Write("2,3,4\n3,4");
    ASSERT_GE(WaitForLength(3), 0);
    QTest::qWait(150);
    EXPECT_EQ(series->Length(), 3);
    Write("0,5\n");
    ASSERT_GE(WaitForLength(4), 0);
    EXPECT_EQ(series->Y(3), 40.0);
    EXPECT_EQ(FirstSeries(), series);
}

TEST_F(FollowTest, TruncatedFileStartsOver)
{
    Write("", std::ios::trunc);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !FirstSeries(); }, 5000)) << "emptied, not cleared";
    Write("t,a,b\n10,7,8\n");
    ASSERT_GE(WaitForLength(1), 0);
    EXPECT_NE(FirstSeries(), series);
    EXPECT_EQ(FirstSeries()->X(0), 10.0);
    Write("11,9,9\n");
    EXPECT_GE(WaitForLength(2), 0) << "still following after starting over";
}

TEST_F(FollowTest, ReplacedFileStartsOver)
{
    // As an acquisition program that writes a new file and renames it into place.
    std::ofstream(path + ".new") << "t,a,b\n20,1,1\n21,1,1\n22,1,1\n";
    std::filesystem::rename(path + ".new", path);
    ASSERT_GE(WaitForLength(3), 0);
    EXPECT_EQ(FirstSeries()->X(0), 20.0);
}

TEST_F(FollowTest, SlidingWindowKeepsTheLastPoints)
{
    window->setWindowPoints(3);
    ASSERT_TRUE(Open(QString::fromStdString(path)));
    series = FirstSeries();
    Write("2,3,4\n3,4,5\n4,5,6\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return series->XStart() == 2.0; }, 5000));
    EXPECT_EQ(std::tuple(series->Length(), Graph().graph().XMin()), std::tuple(3, 2.0));
}

TEST_F(FollowTest, MalformedRowStopsWithItsLine)
{
    QSignalSpy failed(window.get(), &view::MainWindow::errorShown);
    Write("2,3,4\nx,y\n");
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_TRUE(failed.front().front().toString().startsWith(QString::fromStdString(path + ":5:")))
        << failed.front().front().toString().toStdString();
    EXPECT_EQ(series->Length(), 2);
}

} // namespace

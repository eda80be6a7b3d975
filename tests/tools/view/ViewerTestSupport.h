// Shared by the viewer's tests: a window with settings of its own, waiting for its loads, and
// the off-screen host's picture of a model for comparison.
#pragma once

#include "hosts/qt/QtTestSupport.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <view/MainWindow.h>

namespace vantrel::viewtest {

inline std::string OutputPath(const std::string& name)
{
    return std::string(VANTREL_TEST_OUTPUT_DIR) + "/view-"
        + std::to_string(QCoreApplication::applicationPid()) + "-" + name;
}

inline QString Example(const char* name)
{
    return QStringLiteral(VANTREL_SOURCE_DIR "/examples/data/") + QLatin1String(name);
}

// A shown window, not interactive, whose settings start empty and stay in the test's output.
class ViewerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.clear();
        window = std::make_unique<view::MainWindow>(&settings);
        window->setInteractive(false);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::processEvents();
    }
    void TearDown() override { window.reset(); }

    // Opens the file and waits for it (true) or for an error (false, the message kept).
    bool Open(const QString& path, const view::ImportChoices& import = {})
    {
        QSignalSpy opened(window.get(), &view::MainWindow::fileOpened);
        QSignalSpy failed(window.get(), &view::MainWindow::errorShown);
        window->openFile(path, import);
        const bool done
            = QTest::qWaitFor([&] { return !opened.isEmpty() || !failed.isEmpty(); }, 20000);
        EXPECT_TRUE(done) << "no outcome for " << path.toStdString();
        if (!failed.isEmpty())
            lastError = failed.front().front().toString();
        QCoreApplication::processEvents();
        return !opened.isEmpty();
    }

    qt::GraphWidget& Graph() { return window->graphWidget(); }

    QImage Grab()
    {
        QCoreApplication::processEvents();
        return Graph().grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // A headless control of the widget's size, drawn as the library draws the model.
    std::unique_ptr<HeadlessHost> HostWith(const Ref<GraphData>& data)
    {
        auto host = std::make_unique<HeadlessHost>(Graph().width(), Graph().height());
        host->InitNew();
        host->Graph().DrawFromSources(data, true, true, true);
        return host;
    }

    QImage HostImage(const HeadlessHost& host)
    {
        return qttest::HeadlessImage(host, OutputPath("host.png"));
    }

    const QString settingsPath = QString::fromStdString(OutputPath("settings.ini"));
    QSettings settings { settingsPath, QSettings::IniFormat };
    std::unique_ptr<view::MainWindow> window;
    QString lastError;
};

} // namespace vantrel::viewtest

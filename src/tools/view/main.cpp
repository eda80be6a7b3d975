// vantrel-view: measurement files in a window; --follow watches files still being written.
#include "MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

using vantrel::view::ImportChoices;
using vantrel::view::MainWindow;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VantrelCtls"));
    QApplication::setApplicationName(QStringLiteral("vantrel-view"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shows measurement files as X/Y graphs: delimited text (CSV, TSV, spaces; a header row "
        "names the series) or GraphData JSON. Each file opens in a window of its own."));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"), QStringLiteral("Files to open"), QStringLiteral("[FILE...]"));
    const QCommandLineOption follow(QStringLiteral("follow"),
        QStringLiteral("Watch the files and draw the rows appended to them"));
    const QCommandLineOption window(QStringLiteral("window"),
        QStringLiteral("While following, keep only the last N points of each series"),
        QStringLiteral("N"));
    const QCommandLineOption xColumn(QStringLiteral("x-column"),
        QStringLiteral("The X column, by number from 1 or by header name (default: the first)"),
        QStringLiteral("COLUMN"));
    const QCommandLineOption interval(QStringLiteral("interval"),
        QStringLiteral("Evenly spaced X from START by STEP; every column is a series"),
        QStringLiteral("START:STEP"));
    parser.addOptions({ follow, window, xColumn, interval });
    parser.process(application);

    ImportChoices import;
    import.xColumn = parser.value(xColumn).toStdString();
    if (parser.isSet(interval)) {
        const QStringList parts = parser.value(interval).split(QLatin1Char(':'));
        bool startOk = false;
        bool stepOk = false;
        if (parts.size() == 2)
            import.interval = { parts[0].toDouble(&startOk), parts[1].toDouble(&stepOk) };
        if (!startOk || !stepOk) {
            std::fprintf(stderr, "vantrel-view: --interval: expected START:STEP\n");
            return 2;
        }
    }
    bool windowOk = true;
    const int points = parser.isSet(window) ? parser.value(window).toInt(&windowOk) : 0;
    if (!windowOk || points < 0) {
        std::fprintf(stderr, "vantrel-view: --window: expected a count of points\n");
        return 2;
    }

    QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        files.append(QString());
    std::vector<std::unique_ptr<MainWindow>> windows;
    for (const QString& file : files) {
        auto shown = std::make_unique<MainWindow>();
        shown->setWindowPoints(points);
        shown->setFollow(parser.isSet(follow));
        shown->show();
        if (!file.isEmpty())
            shown->openFile(file, import);
        windows.push_back(std::move(shown));
    }
    return QApplication::exec();
}

// The main window's files: opening in the background, the import dialog, saving, following.
#include "ImportDialog.h"
#include "MainWindow.h"
#include "SeriesDock.h"
#include "ViewMenu.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QStatusBar>
#include <vantrel/GraphDataJson.h>
#include <vantrel/HeadlessHost.h>
#include <vantrel/MemoryPropertyBag.h>
#include <vantrel/vantrel.h>

namespace vantrel::view {

namespace {

const QString dataFilter = QObject::tr(
    "Measurement files (*.csv *.tsv *.txt *.dat *.json);;Delimited text (*.csv *.tsv *.txt "
    "*.dat);;GraphData JSON (*.json);;All files (*)");

QStringList ToQt(const std::vector<std::string>& names)
{
    QStringList list;
    for (const std::string& name : names)
        list.append(QString::fromStdString(name));
    return list;
}

} // namespace

void MainWindow::openFile(const QString& path, const ImportChoices& import)
{
    watcher_.stop();
    LoadRequest request;
    request.path = path.toStdString();
    request.import = import;
    request.completeLinesOnly = follow_;
    request.plotHeight = graph_->height();
    setBusy(true);
    statusBar()->showMessage(tr("Loading %1…").arg(path));
    loader_.start(request);
}

void MainWindow::loaded(const LoadRequest& request, const LoadedFile& file)
{
    setBusy(false);
    statusBar()->clearMessage();
    const QString path = QString::fromStdString(request.path);
    if (file.needsImport) {
        const QString message = tr("%1: one column: choose evenly spaced X values").arg(path);
        if (!interactive_)
            return showError(message);
        ImportDialog dialog(path, ToQt(file.columnNames), request.import, this);
        if (dialog.exec() == QDialog::Accepted)
            openFile(path, dialog.choices());
        return;
    }
    currentFile_ = path;
    currentImport_ = request.import;
    settings_.addRecentFile(path);
    setWindowTitle(tr("%1 — vantrel-view").arg(QFileInfo(path).fileName()));
    live_.reset();
    if (file.data) {
        showModel(file);
    } else {
        // A followed file without data rows yet, perhaps just truncated: nothing to show.
        graph_->graph().Clear();
        dock_->showSeries();
    }
    if (follow_ && !file.isModel)
        startFollowing(file);
    emit fileOpened(path);
}

void MainWindow::showModel(const LoadedFile& file)
{
    OrvGraph& g = graph_->graph();
    g.DrawFromSources(file.data, true, true, true);
    view_->applyChoices();
    dock_->showSeries();
}

void MainWindow::setFollow(bool on)
{
    if (follow_ == on)
        return;
    follow_ = on;
    followAction_->setChecked(on);
    if (!on) {
        watcher_.stop();
        live_.reset();
        return;
    }
    // The open file is read again from its start, as far as its last complete line.
    if (!currentFile_.isEmpty() && !IsModelFile(currentFile_.toStdString()))
        openFile(currentFile_, currentImport_);
}

void MainWindow::startFollowing(const LoadedFile& file)
{
    std::size_t columns = 0;
    if (file.data) {
        live_ = std::make_unique<LiveSeries>(file.data, file.layout, windowPoints_);
        columns = live_->Columns();
    }
    watcher_.start(currentFile_, file.identity, file.offset, file.lines, columns);
}

void MainWindow::appendRows(const loaders::DelimitedTable& rows, quint64 firstLine)
{
    if (!live_)
        return;
    try {
        live_->Append(rows, currentFile_.toStdString(), firstLine);
    } catch (const Error& error) {
        watcher_.stop();
        showError(QString::fromStdString(error.what()));
        return;
    }
    drawFollowed();
    emit rowsAppended(static_cast<int>(rows.Rows()));
}

void MainWindow::drawFollowed()
{
    OrvGraph& g = graph_->graph();
    if (g.CurrentData() != live_->Data())
        return; // Another graph is shown meanwhile.
    if (g.ZoomState() != grzOff) {
        // The user's zoom stays; the new points show where they fall in it.
        g.Redraw();
        return;
    }
    live_->Data()->Bounds()->SetRecord(
        live_->Bounds(g.XAxisType() == gatLog, g.YAxisType() == gatLog));
    g.DrawFromSources(live_->Data(), true, false, true);
}

bool MainWindow::saveModel(const QString& path)
{
    const Ref<GraphData> data = graph_->graph().CurrentData();
    try {
        if (!data || !graph_->graph().DataLoaded())
            throw Error(errObjectNotSet, "There is no graph to save");
        SaveGraphData(data, path.toStdString());
    } catch (const Error& error) {
        showError(QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

bool MainWindow::savePicture(const QString& path, const QSize& size)
{
    QImage image;
    if (!size.isValid() || size == graph_->size()) {
        image = graph_->grab().toImage();
    } else {
        // Another size: the same control properties and data drawn off screen.
        try {
            HeadlessHost host(size.width(), size.height());
            MemoryPropertyBag bag;
            graph_->graph().WriteProperties(bag);
            host.Load(bag);
            // A copy: drawing lays the model's axes out for the control that draws it.
            OrvGraph& g = graph_->graph();
            if (!g.CurrentData())
                throw Error(errObjectNotSet, "There is no graph to save");
            const Ref<GraphData> copy
                = GraphDataFromJsonText(GraphDataJsonText(g.CurrentData()), "graph");
            host.Graph().DrawFromSources(copy, true, false, true);
            const BoundsRecord home = copy->Bounds()->GetRecord();
            if (home != BoundsRecord { g.XMin(), g.XMax(), g.YMin(), g.YMax() })
                host.Graph().ZoomUser(g.XMin(), g.YMin(), g.XMax(), g.YMax());
            const QString scratch = path + QStringLiteral(".part.png");
            host.SavePng(scratch.toStdString());
            image.load(scratch);
            QFile::remove(scratch);
        } catch (const Error& error) {
            showError(QString::fromStdString(error.what()));
            return false;
        }
    }
    if (image.isNull() || !image.save(path, "PNG")) {
        showError(tr("Cannot write '%1'").arg(path));
        return false;
    }
    return true;
}

void MainWindow::chooseAndOpen()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), {}, dataFilter);
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::chooseImport()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import"), {}, dataFilter);
    if (path.isEmpty())
        return;
    ImportDialog dialog(path, {}, {}, this);
    if (dialog.exec() == QDialog::Accepted)
        openFile(path, dialog.choices());
}

void MainWindow::chooseAndSavePicture(const QSize& size)
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Picture"),
        QFileInfo(currentFile_).completeBaseName() + ".png", tr("PNG pictures (*.png)"));
    if (!path.isEmpty())
        savePicture(path, size);
}

void MainWindow::chooseAndSaveModel()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Model"),
        QFileInfo(currentFile_).completeBaseName() + ".json", tr("GraphData JSON (*.json)"));
    if (!path.isEmpty())
        saveModel(path);
}

} // namespace vantrel::view

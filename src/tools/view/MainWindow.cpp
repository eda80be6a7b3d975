// The main window's frame: menus, dock, status bar, drag and drop, geometry and errors.
#include "MainWindow.h"

#include "PointerReadout.h"
#include "SeriesDock.h"
#include "ViewMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace vantrel::view {

MainWindow::MainWindow(QSettings* settings, QWidget* parent)
    : QMainWindow(parent)
    , ownSettings_(settings == nullptr ? std::make_unique<QSettings>() : nullptr)
    , settings_(settings == nullptr ? *ownSettings_ : *settings)
    , graph_(new qt::GraphWidget(this))
{
    setWindowTitle(QStringLiteral("vantrel-view"));
    setAcceptDrops(true);
    setCentralWidget(graph_);
    graph_->installEventFilter(this);
    buildFileMenu();
    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    view_ = new ViewMenu(*graph_, settings_, *viewMenu);
    dock_ = new SeriesDock(*graph_, this);
    addDockWidget(Qt::RightDockWidgetArea, dock_);
    viewMenu->addSeparator();
    viewMenu->addAction(dock_->toggleViewAction());

    readout_ = new PointerReadout(*graph_, this);
    statusBar()->addWidget(readout_, 1);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setMaximumWidth(200);
    cancel_ = new QPushButton(tr("Cancel"), this);
    statusBar()->addPermanentWidget(progress_);
    statusBar()->addPermanentWidget(cancel_);
    setBusy(false);
    connect(cancel_, &QPushButton::clicked, &loader_, &FileLoader::cancel);
    connect(&loader_, &FileLoader::progress, progress_, &QProgressBar::setValue);
    connect(&loader_, &FileLoader::loaded, this, &MainWindow::loaded);
    connect(
        &loader_, &FileLoader::failed, this, [this](const LoadRequest&, const QString& message) {
            setBusy(false);
            showError(message);
        });
    connect(&loader_, &FileLoader::canceled, this, [this] {
        setBusy(false);
        statusBar()->showMessage(tr("Loading canceled"), 3000);
    });
    connect(&watcher_, &FollowWatcher::rowsRead, this, &MainWindow::appendRows);
    connect(&watcher_, &FollowWatcher::startOver, this,
        [this] { openFile(currentFile_, currentImport_); });
    connect(&watcher_, &FollowWatcher::failed, this, &MainWindow::showError);

    resize(1000, 700);
    restoreGeometry(settings_.geometry());
    restoreState(settings_.windowState());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildFileMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Open…"), QKeySequence::Open, this, &MainWindow::chooseAndOpen);
    recentMenu_ = file->addMenu(tr("Open &Recent"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    file->addAction(tr("&Import…"), this, &MainWindow::chooseImport);
    followAction_ = file->addAction(tr("&Follow"));
    followAction_->setCheckable(true);
    followAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(followAction_, &QAction::toggled, this, &MainWindow::setFollow);
    file->addSeparator();
    file->addAction(
        tr("Save &Picture…"), QKeySequence::Save, this, [this] { chooseAndSavePicture(); });
    file->addAction(
        tr("Save &Model…"), QKeySequence::SaveAs, this, &MainWindow::chooseAndSaveModel);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

void MainWindow::fillRecentMenu()
{
    recentMenu_->clear();
    for (const QString& path : settings_.recentFiles())
        recentMenu_->addAction(path, this, [this, path] { openFile(path); });
    recentMenu_->setEnabled(!recentMenu_->isEmpty());
}

void MainWindow::showError(const QString& message)
{
    emit errorShown(message);
    if (interactive_)
        QMessageBox::warning(this, tr("vantrel-view"), message);
}

void MainWindow::setBusy(bool busy)
{
    progress_->setValue(0);
    progress_->setVisible(busy);
    cancel_->setVisible(busy);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    // One graph at a time: the first local file dropped.
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            openFile(url.toLocalFile());
            event->acceptProposedAction();
            return;
        }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    loader_.cancel();
    watcher_.stop();
    settings_.setGeometry(saveGeometry());
    settings_.setWindowState(saveState());
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The control lays itself out on a resize but does not redraw: once the widget has
    // handled the resize, the retained data is replayed at the new size.
    if (watched == graph_ && event->type() == QEvent::Resize && !redrawQueued_) {
        redrawQueued_ = true;
        QTimer::singleShot(0, graph_, [this] {
            redrawQueued_ = false;
            graph_->graph().Redraw();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vantrel::view

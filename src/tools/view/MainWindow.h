// The viewer's main window: the graph widget, its menus, the series dock and the status bar.
#pragma once

#include "DataLoader.h"
#include "FileLoader.h"
#include "FollowWatcher.h"
#include "LiveSeries.h"
#include "ViewSettings.h"

#include <QMainWindow>
#include <QSettings>
#include <memory>
#include <vantrel/qt/GraphWidget.h>

class QProgressBar;
class QPushButton;

namespace vantrel::view {

class PointerReadout;
class SeriesDock;
class ViewMenu;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // `settings` (kept by the caller, outliving the window) holds geometry, recent files and the
    // View choices; null uses the application's.
    explicit MainWindow(QSettings* settings = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads in the background; the outcome is fileOpened or errorShown. With follow on, the file
    // is then watched and its new rows appended.
    void openFile(const QString& path, const ImportChoices& import = {});
    void setFollow(bool on);
    bool following() const { return follow_; }
    // The last `points` points of each series while following; 0 keeps all.
    void setWindowPoints(int32_t points) { windowPoints_ = points; }
    // Each reports failure through errorShown and returns false.
    bool saveModel(const QString& path);
    bool savePicture(const QString& path, const QSize& size = {});

    // Off (tests) the window shows no modal dialog: errors only go out as errorShown, and a file
    // that needs the import dialog fails with a message instead.
    void setInteractive(bool on) { interactive_ = on; }

    qt::GraphWidget& graphWidget() { return *graph_; }
    ViewMenu& viewMenu() { return *view_; }
    SeriesDock& seriesDock() { return *dock_; }
    PointerReadout& readout() { return *readout_; }
    FileLoader& loader() { return loader_; }
    const QString& currentFile() const { return currentFile_; }

signals:
    void fileOpened(const QString& path);
    void errorShown(const QString& message);
    // Rows of a followed file appended and drawn.
    void rowsAppended(int rows);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFileMenu();
    void fillRecentMenu();
    void showError(const QString& message);
    void loaded(const LoadRequest& request, const LoadedFile& file);
    void showModel(const LoadedFile& file);
    void startFollowing(const LoadedFile& file);
    void appendRows(const loaders::DelimitedTable& rows, quint64 firstLine);
    void drawFollowed();
    void setBusy(bool busy);
    void chooseAndOpen();
    void chooseAndSavePicture(const QSize& size = {});
    void chooseAndSaveModel();
    void chooseImport();

    std::unique_ptr<QSettings> ownSettings_;
    ViewSettings settings_;
    qt::GraphWidget* graph_;
    ViewMenu* view_ = nullptr;
    SeriesDock* dock_ = nullptr;
    PointerReadout* readout_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* followAction_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    FileLoader loader_;
    FollowWatcher watcher_;
    std::unique_ptr<LiveSeries> live_;
    QString currentFile_;
    ImportChoices currentImport_;
    bool follow_ = false;
    bool interactive_ = true;
    bool redrawQueued_ = false;
    int32_t windowPoints_ = 0;
};

} // namespace vantrel::view

// Loads a file off the GUI thread, with progress and cancel.
#pragma once

#include "DataLoader.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

namespace vantrel::view {

// One load at a time: starting another cancels the one running. Each load ends in exactly one
// of loaded, failed or canceled, delivered on the GUI thread.
class FileLoader : public QObject {
    Q_OBJECT

public:
    explicit FileLoader(QObject* parent = nullptr);
    ~FileLoader() override;

    void start(const LoadRequest& request);
    void cancel();
    bool busy() const { return watcher_.isRunning(); }

signals:
    void progress(int percent);
    void loaded(const vantrel::view::LoadRequest& request, const vantrel::view::LoadedFile& file);
    void failed(const vantrel::view::LoadRequest& request, const QString& message);
    void canceled();

private:
    // What the worker hands back: the file, or the loader's message.
    struct Outcome {
        LoadedFile file;
        QString error;
    };
    void finish();

    LoadRequest request_;
    QFutureWatcher<Outcome> watcher_;
};

} // namespace vantrel::view

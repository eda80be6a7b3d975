// Watches a file that another program appends to and reads its new complete lines.
#pragma once

#include "DataLoader.h"

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <loaders/DelimitedText.h>

namespace vantrel::view {

// Change notifications (inotify) and a poll every 50 ms both lead to a read, at most one per
// 33 ms, so that a writer flushing every line costs no more than one that writes in blocks.
// Only whole lines are read: the bytes after the last line feed wait for the rest of their line.
// A file that became shorter than what was read, or another file under the same name, starts
// over.
class FollowWatcher : public QObject {
    Q_OBJECT

public:
    explicit FollowWatcher(QObject* parent = nullptr);

    // Reads from byte `offset` (line `lines` + 1) of the file `identity` names. `columns` is
    // the field count of its rows; 0 while the file held no data row, and then any new
    // complete line starts over.
    void start(const QString& path, FileIdentity identity, uint64_t offset, uint64_t lines,
        std::size_t columns);
    void stop();
    bool active() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }

    static constexpr int minimumReadInterval = 33; // ms, 30 reads a second
    static constexpr int pollInterval = 50; // ms

signals:
    // New rows, parsed; `firstLine` is the line number of the first in the file.
    void rowsRead(const vantrel::loaders::DelimitedTable& rows, quint64 firstLine);
    // Truncated, replaced, or the first data rows arrived: load the file anew.
    void startOver();
    // A read or parse failure; following stops.
    void failed(const QString& message);

private:
    void schedule();
    void read();

    QString path_;
    FileIdentity identity_;
    uint64_t offset_ = 0;
    uint64_t lines_ = 0;
    std::size_t columns_ = 0;
    QFileSystemWatcher watcher_;
    QTimer poll_;
    QTimer pending_;
    QElapsedTimer sinceRead_;
};

} // namespace vantrel::view

// The worker: LoadFile in the thread pool, its progress as the future's, cancel by exception.
#include "FileLoader.h"

#include <QPromise>
#include <QtConcurrent>
#include <vantrel/Error.h>

namespace vantrel::view {

namespace {

// Thrown out of the parser's progress callback to end a canceled load.
struct LoadCanceled { };

} // namespace

FileLoader::FileLoader(QObject* parent)
    : QObject(parent)
{
    connect(&watcher_, &QFutureWatcher<Outcome>::progressValueChanged, this, &FileLoader::progress);
    connect(&watcher_, &QFutureWatcher<Outcome>::finished, this, &FileLoader::finish);
}

FileLoader::~FileLoader()
{
    watcher_.disconnect(this);
    watcher_.cancel();
    watcher_.waitForFinished();
}

void FileLoader::start(const LoadRequest& request)
{
    if (watcher_.isRunning()) {
        watcher_.disconnect(this);
        watcher_.cancel();
        watcher_.waitForFinished();
        connect(
            &watcher_, &QFutureWatcher<Outcome>::progressValueChanged, this, &FileLoader::progress);
        connect(&watcher_, &QFutureWatcher<Outcome>::finished, this, &FileLoader::finish);
    }
    request_ = request;
    watcher_.setFuture(QtConcurrent::run([request](QPromise<Outcome>& promise) {
        promise.setProgressRange(0, 100);
        int reported = -1;
        const loaders::ParseProgress progress = [&](std::size_t done, std::size_t total) {
            if (promise.isCanceled())
                throw LoadCanceled {};
            const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
            if (percent != reported)
                promise.setProgressValue(reported = percent);
        };
        Outcome outcome;
        try {
            outcome.file = LoadFile(request, progress);
        } catch (const LoadCanceled&) {
            return;
        } catch (const Error& error) {
            outcome.error = QString::fromStdString(error.what());
        } catch (const std::bad_alloc&) {
            outcome.error
                = QString::fromStdString(request.path) + QStringLiteral(": out of memory");
        }
        if (!promise.isCanceled())
            promise.addResult(std::move(outcome));
    }));
}

void FileLoader::cancel()
{
    if (watcher_.isRunning())
        watcher_.cancel();
}

void FileLoader::finish()
{
    const QFuture<Outcome> future = watcher_.future();
    if (future.isCanceled() || future.resultCount() == 0) {
        emit canceled();
        return;
    }
    const Outcome outcome = future.result();
    if (outcome.error.isEmpty())
        emit loaded(request_, outcome.file);
    else
        emit failed(request_, outcome.error);
}

} // namespace vantrel::view

// Following a growing file: notification or poll, then a read of the new complete lines.
#include "FollowWatcher.h"

#include <algorithm>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vantrel/Error.h>

namespace vantrel::view {

namespace {

// One read never takes more than this, so that a burst is handed over in slices.
constexpr uint64_t maxReadBytes = 16u << 20;

// The file's bytes from `offset` to at most `size`; empty when they cannot be read.
std::string ReadFrom(int fd, uint64_t offset, uint64_t size)
{
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n
            = ::pread(fd, bytes.data() + done, size - done, static_cast<off_t>(offset + done));
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

// A parse error's line counted in the file rather than in the slice read.
QString InFile(const std::string& message, const std::string& source, uint64_t lineBase)
{
    const std::string prefix = source + ":";
    if (message.rfind(prefix, 0) == 0) {
        const std::size_t end = message.find(':', prefix.size());
        if (end != std::string::npos) {
            const uint64_t line = std::stoull(message.substr(prefix.size(), end - prefix.size()));
            return QString::fromStdString(
                prefix + std::to_string(line + lineBase) + message.substr(end));
        }
    }
    return QString::fromStdString(message);
}

} // namespace

FollowWatcher::FollowWatcher(QObject* parent)
    : QObject(parent)
{
    poll_.setInterval(pollInterval);
    pending_.setSingleShot(true);
    connect(&poll_, &QTimer::timeout, this, &FollowWatcher::schedule);
    connect(&pending_, &QTimer::timeout, this, &FollowWatcher::read);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FollowWatcher::schedule);
}

void FollowWatcher::start(const QString& path, FileIdentity identity, uint64_t offset,
    uint64_t lines, std::size_t columns)
{
    stop();
    path_ = path;
    identity_ = identity;
    offset_ = offset;
    lines_ = lines;
    columns_ = columns;
    watcher_.addPath(path);
    poll_.start();
    sinceRead_.start();
    schedule();
}

void FollowWatcher::stop()
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    poll_.stop();
    pending_.stop();
    path_.clear();
}

void FollowWatcher::schedule()
{
    if (path_.isEmpty() || pending_.isActive())
        return;
    // A replaced file drops out of the watch list; the poll finds it again.
    if (watcher_.files().isEmpty())
        watcher_.addPath(path_);
    pending_.start(std::max<int>(0, minimumReadInterval - static_cast<int>(sinceRead_.elapsed())));
}

void FollowWatcher::read()
{
    sinceRead_.restart();
    const std::string path = path_.toStdString();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return; // Between a remove and a re-create: the next poll looks again.
    struct stat status { };
    const bool statted = ::fstat(fd, &status) == 0;
    const FileIdentity now { static_cast<uint64_t>(status.st_dev),
        static_cast<uint64_t>(status.st_ino) };
    const auto size = static_cast<uint64_t>(status.st_size);
    if (!statted || now != identity_ || size < offset_) {
        ::close(fd);
        stop();
        emit startOver();
        return;
    }
    if (size == offset_) {
        ::close(fd);
        return;
    }
    const std::string bytes = ReadFrom(fd, offset_, std::min(size - offset_, maxReadBytes));
    ::close(fd);
    const std::size_t lastEnd = bytes.rfind('\n');
    if (lastEnd == std::string::npos)
        return;
    if (columns_ == 0) {
        stop();
        emit startOver();
        return;
    }
    const std::string_view complete(bytes.data(), lastEnd + 1);
    const uint64_t firstLine = lines_ + 1;
    loaders::DelimitedTable rows;
    try {
        rows = loaders::ParseDelimitedText(complete, path);
    } catch (const Error& error) {
        const QString message = InFile(error.what(), path, lines_);
        stop();
        emit failed(message);
        return;
    }
    offset_ += complete.size();
    lines_ += static_cast<uint64_t>(std::count(complete.begin(), complete.end(), '\n'));
    if (rows.Rows() > 0 || rows.HasHeader)
        emit rowsRead(rows, firstLine);
    if (size > offset_ + (bytes.size() - complete.size()))
        schedule(); // More than one read's worth was waiting.
}

} // namespace vantrel::view

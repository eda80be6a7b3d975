// Reading a whole file with read(2) into memory that is not zeroed first.
#include "model/JsonFileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vantrel/Error.h>

namespace vantrel::json {

namespace {

constexpr std::size_t kChunk = 1 << 16;

[[noreturn]] void Refuse(int32_t number, const char* verb, const std::string& path, int error)
{
    throw Error(number, std::string("Cannot ") + verb + " '" + path + "': " + std::strerror(error));
}

// Closes the descriptor however the reading ends.
struct Descriptor {
    int number;
    ~Descriptor() { close(number); }
};

} // namespace

void PreferHugePages(void* data, std::size_t bytes)
{
    constexpr std::uintptr_t kPage = 4096;
    constexpr std::size_t kWorthIt = 4u << 20;
    if (bytes < kWorthIt)
        return;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kPage - 1) & ~(kPage - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kPage - 1);
    madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

FileBytes::FileBytes(const std::string& path)
{
    const Descriptor file { open(path.c_str(), O_RDONLY | O_CLOEXEC) };
    if (file.number < 0)
        Refuse(errno == ENOENT ? errFileNotFound : errFileAccess, "open", path, errno);
    struct stat info { };
    // A regular file's size is known; others (pipes, devices) and files that grow meanwhile are
    // read on in chunks.
    std::size_t capacity = fstat(file.number, &info) == 0 && S_ISREG(info.st_mode)
        ? std::max(static_cast<std::size_t>(info.st_size) + 1, kChunk)
        : kChunk;
    bytes_.reset(new char[capacity]);
    PreferHugePages(bytes_.get(), capacity);
    for (;;) {
        if (size_ == capacity) {
            std::unique_ptr<char[]> bigger(new char[capacity * 2]);
            std::memcpy(bigger.get(), bytes_.get(), size_);
            bytes_ = std::move(bigger);
            capacity *= 2;
        }
        const ssize_t got = read(file.number, bytes_.get() + size_, capacity - size_);
        if (got == 0)
            return;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Refuse(errFileAccess, "read", path, errno);
        }
        size_ += static_cast<std::size_t>(got);
    }
}

} // namespace vantrel::json

// Mapping or reading a whole input, with the library's error numbers for missing and unreadable
// files.
#include "loaders/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vantrel/Error.h>

namespace vantrel::loaders {

namespace {

[[noreturn]] void Refuse(int32_t number, const std::string& path, int error)
{
    throw Error(number, path + ": " + std::strerror(error));
}

void ReadAll(int descriptor, std::string& into, const std::string& path)
{
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = read(descriptor, chunk, sizeof chunk);
        if (got == 0)
            return;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Refuse(errFileAccess, path, errno);
        }
        into.append(chunk, static_cast<std::size_t>(got));
    }
}

} // namespace

TextFile::TextFile(const std::string& path)
{
    if (path == "-") {
        ReadAll(STDIN_FILENO, buffer_, "<stdin>");
        text_ = buffer_;
        return;
    }
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        Refuse(errno == ENOENT ? errFileNotFound : errFileAccess, path, errno);
    struct stat info { };
    if (fstat(descriptor, &info) != 0) {
        const int error = errno;
        close(descriptor);
        Refuse(errFileAccess, path, error);
    }
    if (S_ISDIR(info.st_mode)) {
        close(descriptor);
        Refuse(errFileAccess, path, EISDIR);
    }
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
        void* mapping = mmap(
            nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, descriptor, 0);
        if (mapping != MAP_FAILED) {
            close(descriptor);
            madvise(mapping, static_cast<std::size_t>(info.st_size), MADV_SEQUENTIAL);
            mapping_ = mapping;
            mappedSize_ = static_cast<std::size_t>(info.st_size);
            text_ = std::string_view(static_cast<const char*>(mapping), mappedSize_);
            return;
        }
    }
    try {
        ReadAll(descriptor, buffer_, path);
    } catch (...) {
        close(descriptor);
        throw;
    }
    close(descriptor);
    text_ = buffer_;
}

TextFile::~TextFile()
{
    if (mapping_ != nullptr)
        munmap(mapping_, mappedSize_);
}

} // namespace vantrel::loaders

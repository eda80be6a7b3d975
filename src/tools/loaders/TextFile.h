// The bytes of a whole input file or of standard input, mapped or read once.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::loaders {

// A regular file is mapped read-only; standard input ("-") and other files are read into memory.
// Error 53 when the file does not exist, 75 when it cannot be opened or read.
class TextFile {
public:
    explicit TextFile(const std::string& path);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    std::string_view Text() const { return text_; }

private:
    std::string_view text_;
    void* mapping_ = nullptr;
    std::size_t mappedSize_ = 0;
    std::string buffer_;
};

} // namespace vantrel::loaders

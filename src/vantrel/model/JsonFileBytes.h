// The reader's big buffers: a whole file's bytes, and arrays filled once from front to back.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace vantrel::json {

// Asks for 2 MB pages for a big buffer about to be filled: the filling then takes a
// five-hundredth of the page faults, which otherwise cost more than the filling itself. Only a
// hint; small buffers and a kernel that declines are left as they are.
void PreferHugePages(void* data, std::size_t bytes);

// The bytes of a whole file. Error 53 when it does not exist, 75 when it cannot be opened or
// read, with the texts "Cannot open 'PATH': reason" and "Cannot read 'PATH': reason".
class FileBytes {
public:
    explicit FileBytes(const std::string& path);

    std::string_view Text() const { return { bytes_.get(), size_ }; }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
};

} // namespace vantrel::json

// Files under the test output folder and the errors that file operations raise.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vantrel/Error.h>

namespace hoststest {

inline std::string OutputPath(const std::string& name)
{
    return std::string(VANTREL_TEST_OUTPUT_DIR) + "/hosts_" + name;
}

// The number of the error `action` raises, its text in `message`; 0 when it raises none.
inline int32_t ErrorOf(const std::function<void()>& action, std::string& message)
{
    try {
        action();
    } catch (const vantrel::Error& e) {
        message = e.what();
        return e.Number();
    }
    return 0;
}

} // namespace hoststest

// The number of the vantrel::Error an action raised, shared by the tests of every room.
#pragma once

#include <functional>
#include <string>
#include <vantrel/Error.h>

namespace vantrel::test {

// 0 when the action raised none.
inline int32_t ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.Number();
    }
    return 0;
}

// The same, with the error's text in `message`.
inline int32_t ErrorOf(const std::function<void()>& action, std::string& message)
{
    try {
        action();
    } catch (const Error& e) {
        message = e.what();
        return e.Number();
    }
    return 0;
}

} // namespace vantrel::test

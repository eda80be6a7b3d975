// Helpers shared by the object-model tests.
#pragma once

#include <functional>
#include <vantrel/Error.h>

namespace vantrel::test {

// The number of the Error the action raised, 0 when it raised none.
inline int32_t ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.Number();
    }
    return 0;
}

} // namespace vantrel::test

// Shared ownership of model objects: every holder sees the same instance.
#pragma once

#include <memory>

namespace vantrel {

template <class T> using Ref = std::shared_ptr<T>;

} // namespace vantrel

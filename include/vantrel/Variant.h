// The variant value of Tag properties and property bags.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace vantrel {

struct Empty {
    bool operator==(const Empty&) const = default;
};

using Object = std::shared_ptr<void>;
using Variant = std::variant<Empty, bool, int16_t, int32_t, float, double, std::string, Object>;

} // namespace vantrel

// The host's property bag: the store in which a control's design-time properties persist.
#pragma once

#include <string_view>
#include <vantrel/Variant.h>

namespace vantrel {

class PropertyBag {
public:
    virtual ~PropertyBag() = default;

    // The value stored under key, or defaultValue when the bag holds none.
    virtual Variant ReadProperty(std::string_view key, const Variant& defaultValue) = 0;
    // Stores value under key; the bag may leave out a value that equals its default.
    virtual void WriteProperty(
        std::string_view key, const Variant& value, const Variant& defaultValue)
        = 0;
};

} // namespace vantrel

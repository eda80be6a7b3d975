// A property bag held in memory, for hosts and tests.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vantrel/PropertyBag.h>
#include <vector>

namespace vantrel {

// Keys are compared without regard to the case of ASCII letters; other bytes compare exactly.
// Values keep their Variant type. Entries keep the order in which their keys first arrived;
// writing an existing key replaces its value and its spelling in place.
//
// WriteProperty leaves out a value equal to its default, as the platform's bag does, and then
// also removes an entry stored earlier under that key, so that reading with the same default
// gives the value written. Equality: numbers compare by value across the four numeric types
// (16-bit 10 equals double 10.0), a Boolean only equals a Boolean, strings compare exactly,
// objects by identity, Empty equals Empty; a NaN equals nothing.
//
// Finding, reading and writing a key take constant time on average, so that loading n entries
// takes time in proportion to n; removing one takes time in proportion to the count.
class MemoryPropertyBag : public PropertyBag {
public:
    struct Entry {
        std::string Key;
        Variant Value;
    };

    Variant ReadProperty(std::string_view key, const Variant& defaultValue) override;
    void WriteProperty(
        std::string_view key, const Variant& value, const Variant& defaultValue) override;

    bool Contains(std::string_view key) const;
    // The stored value, or Empty when the key is absent.
    Variant Get(std::string_view key) const;
    void Set(std::string_view key, Variant value);
    // True when an entry was removed.
    bool Remove(std::string_view key);
    void RemoveAll();

    int32_t Count() const;
    const std::vector<Entry>& Entries() const { return entries_; }

    // The equality WriteProperty applies to a value and its default.
    static bool SameValue(const Variant& a, const Variant& b);

private:
    const Entry* Find(std::string_view key) const;
    Entry* Find(std::string_view key);

    std::vector<Entry> entries_;
    // Position in entries_ of each key, keyed by its case-folded spelling.
    std::unordered_map<std::string, std::size_t> positions_;
};

} // namespace vantrel

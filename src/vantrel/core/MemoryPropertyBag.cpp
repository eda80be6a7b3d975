// The in-memory property bag: case-insensitive keys, typed values, defaults left out.
#include <algorithm>
#include <optional>
#include <utility>
#include <vantrel/MemoryPropertyBag.h>

namespace vantrel {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view key)
{
    std::string folded(key);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldAscii);
    return folded;
}

// Every numeric alternative widens to double exactly.
std::optional<double> NumericValue(const Variant& v)
{
    if (const auto* p = std::get_if<int16_t>(&v))
        return *p;
    if (const auto* p = std::get_if<int32_t>(&v))
        return *p;
    if (const auto* p = std::get_if<float>(&v))
        return *p;
    if (const auto* p = std::get_if<double>(&v))
        return *p;
    return std::nullopt;
}

} // namespace

bool MemoryPropertyBag::SameValue(const Variant& a, const Variant& b)
{
    const auto na = NumericValue(a);
    const auto nb = NumericValue(b);
    if (na || nb)
        return na && nb && *na == *nb;
    return a == b;
}

const MemoryPropertyBag::Entry* MemoryPropertyBag::Find(std::string_view key) const
{
    const auto it = positions_.find(Folded(key));
    return it == positions_.end() ? nullptr : &entries_[it->second];
}

MemoryPropertyBag::Entry* MemoryPropertyBag::Find(std::string_view key)
{
    return const_cast<Entry*>(std::as_const(*this).Find(key));
}

Variant MemoryPropertyBag::ReadProperty(std::string_view key, const Variant& defaultValue)
{
    const Entry* entry = Find(key);
    return entry ? entry->Value : defaultValue;
}

void MemoryPropertyBag::WriteProperty(
    std::string_view key, const Variant& value, const Variant& defaultValue)
{
    if (SameValue(value, defaultValue))
        Remove(key);
    else
        Set(key, value);
}

bool MemoryPropertyBag::Contains(std::string_view key) const { return Find(key) != nullptr; }

Variant MemoryPropertyBag::Get(std::string_view key) const
{
    const Entry* entry = Find(key);
    return entry ? entry->Value : Variant {};
}

void MemoryPropertyBag::Set(std::string_view key, Variant value)
{
    if (Entry* entry = Find(key)) {
        entry->Key = std::string(key);
        entry->Value = std::move(value);
        return;
    }
    positions_.emplace(Folded(key), entries_.size());
    entries_.push_back(Entry { std::string(key), std::move(value) });
}

bool MemoryPropertyBag::Remove(std::string_view key)
{
    const auto it = positions_.find(Folded(key));
    if (it == positions_.end())
        return false;
    const std::size_t removed = it->second;
    positions_.erase(it);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(removed));
    for (auto& [folded, position] : positions_)
        if (position > removed)
            --position;
    return true;
}

void MemoryPropertyBag::RemoveAll()
{
    entries_.clear();
    positions_.clear();
}

int32_t MemoryPropertyBag::Count() const { return static_cast<int32_t>(entries_.size()); }

} // namespace vantrel

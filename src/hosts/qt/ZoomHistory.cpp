// The zoom history's list and position.
#include "ZoomHistory.h"

namespace vantrel::qt {

void ZoomHistory::Record(const BoundsRecord& before, const BoundsRecord& after)
{
    if (entries_.empty() || entries_[at_] != before) {
        entries_.resize(entries_.empty() ? 0 : at_ + 1);
        entries_.push_back(before);
    } else {
        entries_.resize(at_ + 1);
    }
    entries_.push_back(after);
    at_ = entries_.size() - 1;
}

std::optional<BoundsRecord> ZoomHistory::Back()
{
    if (entries_.empty() || at_ == 0)
        return std::nullopt;
    return entries_[--at_];
}

std::optional<BoundsRecord> ZoomHistory::Forward()
{
    if (at_ + 1 >= entries_.size())
        return std::nullopt;
    return entries_[++at_];
}

} // namespace vantrel::qt

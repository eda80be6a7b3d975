// 1-based positions in the model's ordered lists of shared references (panels, items).
#pragma once

#include <algorithm>
#include <cstdint>
#include <vantrel/Error.h>
#include <vantrel/Ref.h>
#include <vector>

namespace vantrel::model {

// Count as the public interface reports it; lists never grow past INT32_MAX entries.
template <class T> int32_t ListCount(const std::vector<Ref<T>>& list)
{
    return static_cast<int32_t>(list.size());
}

// The 0-based offset of position Index; Error 9 unless 1 <= Index <= Count.
template <class T> std::size_t CheckedOffset(const std::vector<Ref<T>>& list, int32_t Index)
{
    if (Index < 1 || Index > ListCount(list))
        throw Error(errSubscriptOutOfRange);
    return static_cast<std::size_t>(Index - 1);
}

// Where an insertion at Index lands, 0-based: before position Index when it is 1 .. Count,
// at the end for every other value (the default -1, 0, negatives, past the end).
// Error 6 when the list already holds INT32_MAX entries.
template <class T> std::size_t InsertOffset(const std::vector<Ref<T>>& list, int32_t Index)
{
    if (ListCount(list) == INT32_MAX)
        throw Error(errOverflow);
    if (Index >= 1 && Index <= ListCount(list))
        return static_cast<std::size_t>(Index - 1);
    return list.size();
}

// Takes the entry at OldIndex out and puts it back at NewIndex; the others keep their order.
// Error 9 unless both positions are 1 .. Count.
template <class T> void MoveEntry(std::vector<Ref<T>>& list, int32_t OldIndex, int32_t NewIndex)
{
    std::size_t from = CheckedOffset(list, OldIndex);
    std::size_t to = CheckedOffset(list, NewIndex);
    auto first = list.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (from > to)
        std::rotate(first + to, first + from, first + from + 1);
}

} // namespace vantrel::model

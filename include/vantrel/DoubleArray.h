// A one-dimensional array of doubles with its own lower bound, held by value.
#pragma once

#include <cstdint>
#include <vector>

namespace vantrel {

class DoubleArray {
public:
    DoubleArray() = default;
    // Raises Error 9 when the upper bound lowerBound + size - 1 would not fit 32 bits.
    explicit DoubleArray(std::vector<double> values, int32_t lowerBound = 0);

    int32_t LBound() const { return lowerBound_; }
    // LBound() - 1 for an empty array.
    int32_t UBound() const
    {
        return static_cast<int32_t>(static_cast<int64_t>(lowerBound_) + Count() - 1);
    }
    int32_t Count() const { return static_cast<int32_t>(values_.size()); }
    bool Empty() const { return values_.empty(); }

    // Element access checked against the bounds (Error 9).
    double operator()(int32_t index) const;
    double& operator()(int32_t index);

    const double* Data() const { return values_.data(); }
    double* Data() { return values_.data(); }
    const std::vector<double>& Values() const { return values_; }
    // Moves the elements out, leaving the array empty with lower bound 0.
    std::vector<double> TakeValues();

    bool operator==(const DoubleArray&) const = default;

private:
    std::size_t Offset(int32_t index) const;

    std::vector<double> values_;
    int32_t lowerBound_ = 0;
};

} // namespace vantrel

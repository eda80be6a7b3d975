// Reads a fuzzer's bytes as the values a test needs; past the end every read gives zero, so
// that any input decodes to something.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace fuzzing {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : data_(data)
        , size_(size)
    {
    }

    bool Done() const { return offset_ >= size_; }

    uint8_t Byte() { return offset_ < size_ ? data_[offset_++] : 0; }
    bool Flag() { return Byte() & 1; }
    // Bytes read one statement at a time: the operands of | are unsequenced.
    uint16_t U16()
    {
        const uint16_t low = Byte();
        return static_cast<uint16_t>(low | Byte() << 8);
    }
    uint32_t U32()
    {
        const uint32_t low = U16();
        return low | static_cast<uint32_t>(U16()) << 16;
    }
    // One of `count` choices.
    uint32_t Choice(uint32_t count) { return count ? Byte() % count : 0; }

    // Small values most of the time, the edges of the type now and then.
    int32_t Int32()
    {
        static constexpr std::array<int32_t, 8> edges = { 0, -1, 1, 2, 255,
            std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 32767 };
        const uint8_t kind = Byte();
        if (kind < 128)
            return static_cast<int32_t>(kind) - 16;
        if (kind < 192)
            return edges[kind % edges.size()];
        return static_cast<int32_t>(U32());
    }

    // Ordinary values, the special values of double, and raw bit patterns.
    double Double()
    {
        static constexpr std::array<double, 12> edges = { 0.0, -0.0, 1.0, -1.0, 1e-300, 1e300,
            -1e300, std::numeric_limits<double>::infinity(),
            -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
            std::numeric_limits<double>::denorm_min(), 2147483647.5 };
        const uint8_t kind = Byte();
        if (kind < 160)
            return static_cast<double>(static_cast<int8_t>(Byte())) / 4.0 + (kind % 16);
        if (kind < 224)
            return edges[kind % edges.size()];
        const uint64_t low = U32();
        const uint64_t bits = low | static_cast<uint64_t>(U32()) << 32;
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    std::string Text(size_t most)
    {
        const size_t length = Choice(static_cast<uint32_t>(most + 1));
        std::string text;
        for (size_t i = 0; i < length; ++i)
            text.push_back(static_cast<char>(Byte()));
        return text;
    }

    std::vector<double> Doubles(size_t most)
    {
        std::vector<double> values(Choice(static_cast<uint32_t>(most + 1)));
        for (double& value : values)
            value = Double();
        return values;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

// A broken invariant: says which and stops the process, so that the fuzzer keeps the input.
[[noreturn]] inline void Violated(const std::string& what)
{
    std::fprintf(stderr, "invariant violated: %s\n", what.c_str());
    std::abort();
}

} // namespace fuzzing

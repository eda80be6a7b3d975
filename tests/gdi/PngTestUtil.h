// Golden-image comparison for the GDI tests: pixels against a PNG reference under tests/golden.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gdi::test {

// Pixels as COLORREF values (0x00BBGGRR), rows top-down.
struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    bool operator==(const Image&) const = default;
};

// Compares `actual` with tests/golden/<name>.png; with UPDATE_GOLDENS=1 in the environment the
// reference is rewritten instead. On a mismatch writes <name>-actual.png into the test output
// folder and returns a description; returns "" on success.
std::string CompareWithGolden(const std::string& name, const Image& actual);

} // namespace gdi::test

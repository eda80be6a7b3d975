// Reading and writing PNG files for golden-image tests, and the comparison with a reference.
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

bool ReadPng(const std::string& path, Image* image);
bool WritePng(const std::string& path, const Image& image);

// Compares `actual` with tests/golden/<name>.png. With UPDATE_GOLDENS=1 in the environment the
// reference is rewritten instead. On a mismatch writes <name>-actual.png and <name>-diff.png
// (differing pixels red on a dimmed copy) into the test output folder; the returned text
// describes the mismatch and is empty on success.
std::string CompareWithGolden(const std::string& name, const Image& actual);

} // namespace gdi::test

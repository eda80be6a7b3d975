// Exact comparison of an image with its golden PNG under tests/golden/, shared by every suite
// that compares pixels; on the GDI and its PNG files alone.
#pragma once

#include <cstdint>
#include <gdi/PixelView.h>
#include <string>

namespace testsupport {

// Compares `actual` with tests/golden/<name>.png; empty on a match, else what differs. On a
// mismatch writes <name>-actual.png and, when the sizes agree, <name>-diff.png ('/' turned
// into '-') into the test output folder: the golden faded, differing pixels in pure red.
// UPDATE_GOLDENS=1 in the environment rewrites the golden instead.
std::string CompareWithGolden(const std::string& name, gdi::PixelView actual);

// Into `diff`: the expected image faded towards white, so that marks stand out, with every
// pixel where `actual` differs set to `mark`. All three have the same size.
void MarkDifferences(gdi::PixelView expected, gdi::PixelView actual, gdi::PixelView diff,
    uint32_t mark = 0x000000FFu);

} // namespace testsupport

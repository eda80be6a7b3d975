// Exact comparison of an image with its golden PNG under tests/golden/.
#pragma once

#include "hosts/common/PixelImage.h"

#include <string>

namespace vantrel::rendertest {

// Compares `actual` with tests/golden/<name>.png; empty on a match, else what differs. On a
// mismatch writes <name>-actual.png and <name>-diff.png (differing pixels red on a dimmed copy),
// '/' turned into '-', into the test output folder. With UPDATE_GOLDENS=1 in the environment the
// golden file is rewritten instead.
std::string CompareWithGolden(const std::string& name, const hostkit::PixelImage& actual);

} // namespace vantrel::rendertest

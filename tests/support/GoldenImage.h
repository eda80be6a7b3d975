// Exact comparison of an image with its golden PNG under tests/golden/, shared by every suite
// that compares pixels.
#pragma once

#include "hosts/common/PixelImage.h"
#include "hosts/common/PngIo.h"

#include <cstdlib>
#include <functional>
#include <numeric>
#include <string>
#include <vantrel/Error.h>

namespace vantrel::testsupport {

// Compares `actual` with tests/golden/<name>.png; empty on a match, else what differs. On a
// mismatch writes <name>-actual.png ('/' turned into '-') into the test output folder.
// UPDATE_GOLDENS=1 in the environment rewrites the golden instead.
inline std::string CompareWithGolden(const std::string& name, const hostkit::PixelImage& actual)
{
    const std::string golden = std::string(VANTREL_SOURCE_DIR) + "/tests/golden/" + name + ".png";
    if (const char* update = std::getenv("UPDATE_GOLDENS"); update && std::string(update) == "1") {
        hostkit::WritePng(golden, actual);
        return {};
    }
    std::string out = std::string(VANTREL_TEST_OUTPUT_DIR) + "/" + name;
    out.replace(out.rfind('/'), 1, "-");
    hostkit::PixelImage expected;
    try {
        expected = hostkit::ReadPng(golden);
    } catch (const Error&) {
    }
    if (expected == actual)
        return {};
    hostkit::WritePng(out + "-actual.png", actual);
    if (expected.width != actual.width || expected.height != actual.height)
        return golden + ": missing or of another size; see " + out + "-actual.png";
    const auto differing = std::inner_product(actual.pixels.begin(), actual.pixels.end(),
        expected.pixels.begin(), std::size_t { 0 }, std::plus<>(), std::not_equal_to<>());
    return golden + ": " + std::to_string(differing) + " pixels differ; see " + out + "-actual.png";
}

} // namespace vantrel::testsupport

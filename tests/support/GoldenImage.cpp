// Golden images: exact comparison, and the actual and difference images of a mismatch.
#include "support/GoldenImage.h"

#include <cstdlib>
#include <gdi/Pixmap.h>
#include <gdi/PngFile.h>

namespace testsupport {

namespace {

constexpr uint32_t rgbMask = 0x00FFFFFFu;

// A quarter of the way from white to the colour, channel by channel.
uint32_t Faded(uint32_t color)
{
    uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t channel = (color >> shift) & 0xFF;
        result |= (255 - (255 - channel) / 4) << shift;
    }
    return result;
}

} // namespace

void MarkDifferences(
    gdi::PixelView expected, gdi::PixelView actual, gdi::PixelView diff, uint32_t mark)
{
    for (int32_t y = 0; y < diff.height; ++y)
        for (int32_t x = 0; x < diff.width; ++x) {
            const uint32_t e = expected.At(x, y) & rgbMask;
            diff.At(x, y) = e == (actual.At(x, y) & rgbMask) ? Faded(e) : mark;
        }
}

std::string CompareWithGolden(const std::string& name, gdi::PixelView actual)
{
    const std::string golden = std::string(VANTREL_SOURCE_DIR) + "/tests/golden/" + name + ".png";
    if (const char* update = std::getenv("UPDATE_GOLDENS"); update && std::string(update) == "1") {
        const gdi::PngStatus written = gdi::WritePng(golden, actual);
        return written ? written.message : std::string {};
    }
    std::string out = std::string(VANTREL_TEST_OUTPUT_DIR) + "/" + name;
    out.replace(out.rfind('/'), 1, "-");
    gdi::Pixmap expected;
    const gdi::PngStatus read = gdi::ReadPng(golden, &expected);
    if (!read && gdi::SamePixels(expected.View(), actual))
        return {};
    gdi::WritePng(out + "-actual.png", actual);
    if (read || expected.Width() != actual.width || expected.Height() != actual.height)
        return golden + ": missing or of another size; see " + out + "-actual.png";
    gdi::Pixmap diff(actual.width, actual.height);
    MarkDifferences(expected.View(), actual, diff.View());
    gdi::WritePng(out + "-diff.png", diff.View());
    int64_t differing = 0;
    for (int32_t y = 0; y < actual.height; ++y)
        for (int32_t x = 0; x < actual.width; ++x)
            differing += ((expected.View().At(x, y) ^ actual.At(x, y)) & rgbMask) != 0;
    return golden + ": " + std::to_string(differing) + " pixels differ; see " + out
        + "-actual.png and " + out + "-diff.png";
}

} // namespace testsupport

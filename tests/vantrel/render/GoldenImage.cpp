// Golden-image comparison through the host kit's PNG files.
#include "GoldenImage.h"

#include "hosts/common/PngIo.h"

#include <cstdlib>
#include <filesystem>
#include <vantrel/Error.h>

namespace vantrel::rendertest {

namespace {

std::string OutputPath(const std::string& name, const char* suffix)
{
    std::string flat = name;
    for (char& c : flat)
        c = c == '/' ? '-' : c;
    return std::string(VANTREL_TEST_OUTPUT_DIR) + "/" + flat + suffix;
}

} // namespace

std::string CompareWithGolden(const std::string& name, const hostkit::PixelImage& actual)
{
    const std::string golden = std::string(VANTREL_SOURCE_DIR) + "/tests/golden/" + name + ".png";
    const char* update = std::getenv("UPDATE_GOLDENS");
    if (update != nullptr && std::string(update) == "1") {
        std::filesystem::create_directories(std::filesystem::path(golden).parent_path());
        hostkit::WritePng(golden, actual);
        return {};
    }
    const std::string actualPath = OutputPath(name, "-actual.png");
    hostkit::PixelImage expected;
    try {
        expected = hostkit::ReadPng(golden);
    } catch (const Error&) {
        hostkit::WritePng(actualPath, actual);
        return "cannot read " + golden + " (run with UPDATE_GOLDENS=1 to create it); see "
            + actualPath;
    }
    if (expected == actual)
        return {};
    std::string message = "differs from " + golden;
    if (expected.width != actual.width || expected.height != actual.height) {
        message += ": size " + std::to_string(actual.width) + "x" + std::to_string(actual.height)
            + ", expected " + std::to_string(expected.width) + "x"
            + std::to_string(expected.height);
    } else {
        hostkit::PixelImage diff = actual;
        std::size_t count = 0;
        for (std::size_t i = 0; i < diff.pixels.size(); ++i) {
            const bool differs = actual.pixels[i] != expected.pixels[i];
            count += differs ? 1 : 0;
            diff.pixels[i] = differs ? 0x0000FFu : (actual.pixels[i] >> 2) & 0x003F3F3Fu;
        }
        message += ": " + std::to_string(count) + " pixels differ";
        hostkit::WritePng(OutputPath(name, "-diff.png"), diff);
    }
    hostkit::WritePng(actualPath, actual);
    return message + "; see " + actualPath;
}

} // namespace vantrel::rendertest

// libpng-based reading and writing of golden images as 8-bit RGB, and their comparison.
#include "GdiTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <png.h>

namespace gdi::test {
namespace {

bool ReadPng(const std::string& path, Image* image)
{
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return false;
    png.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&png);
        return false;
    }
    *image = Image { static_cast<int32_t>(png.width), static_cast<int32_t>(png.height), {} };
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
        image->pixels.push_back(
            rgb[i] | (uint32_t { rgb[i + 1] } << 8) | (uint32_t { rgb[i + 2] } << 16));
    return true;
}

bool WritePng(const std::string& path, const Image& image)
{
    std::vector<uint8_t> rgb;
    for (const uint32_t pixel : image.pixels)
        rgb.insert(rgb.end(),
            { static_cast<uint8_t>(pixel), static_cast<uint8_t>(pixel >> 8),
                static_cast<uint8_t>(pixel >> 16) });
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    return png_image_write_to_file(&png, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

} // namespace

std::string CompareWithGolden(const std::string& name, const Image& actual)
{
    const std::string golden = std::string(VANTREL_SOURCE_DIR) + "/tests/golden/" + name + ".png";
    const char* update = std::getenv("UPDATE_GOLDENS");
    if (update && std::string(update) == "1")
        return WritePng(golden, actual) ? "" : "cannot write " + golden;
    Image expected;
    const bool read = ReadPng(golden, &expected);
    if (read && expected == actual)
        return "";
    std::string flat = name;
    std::replace(flat.begin(), flat.end(), '/', '-');
    const std::string output = std::string(VANTREL_TEST_OUTPUT_DIR) + "/" + flat + "-actual.png";
    WritePng(output, actual);
    if (!read)
        return "cannot read " + golden + " (UPDATE_GOLDENS=1 creates it); see " + output;
    if (expected.width != actual.width || expected.height != actual.height)
        return golden + " has another size; see " + output;
    size_t differing = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i)
        differing += actual.pixels[i] != expected.pixels[i];
    return golden + " differs in " + std::to_string(differing) + " pixels; see " + output;
}

} // namespace gdi::test

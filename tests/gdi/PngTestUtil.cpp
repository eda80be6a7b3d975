// libpng-based PNG reading and writing and the golden-image comparison.
#include "PngTestUtil.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <png.h>

namespace gdi::test {
namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

std::string GoldenPath(const std::string& name)
{
    return std::string(VANTREL_SOURCE_DIR) + "/tests/golden/" + name + ".png";
}

std::string OutputPath(const std::string& name, const char* suffix)
{
    std::string flat = name;
    for (char& c : flat)
        c = c == '/' ? '-' : c;
    return std::string(VANTREL_TEST_OUTPUT_DIR) + "/" + flat + suffix;
}

} // namespace

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
    image->width = static_cast<int32_t>(png.width);
    image->height = static_cast<int32_t>(png.height);
    image->pixels.resize(static_cast<size_t>(png.width) * png.height);
    for (size_t i = 0; i < image->pixels.size(); ++i)
        image->pixels[i]
            = rgb[3 * i] | (uint32_t { rgb[3 * i + 1] } << 8) | (uint32_t { rgb[3 * i + 2] } << 16);
    return true;
}

bool WritePng(const std::string& path, const Image& image)
{
    std::vector<uint8_t> rgb(image.pixels.size() * 3);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        rgb[3 * i] = static_cast<uint8_t>(image.pixels[i]);
        rgb[3 * i + 1] = static_cast<uint8_t>(image.pixels[i] >> 8);
        rgb[3 * i + 2] = static_cast<uint8_t>(image.pixels[i] >> 16);
    }
    png_image png {};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    return png_image_write_to_file(&png, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

std::string CompareWithGolden(const std::string& name, const Image& actual)
{
    const std::string golden = GoldenPath(name);
    const char* update = std::getenv("UPDATE_GOLDENS");
    if (update && std::string(update) == "1")
        return WritePng(golden, actual) ? "" : "cannot write " + golden;
    Image expected;
    if (!ReadPng(golden, &expected)) {
        WritePng(OutputPath(name, "-actual.png"), actual);
        return "cannot read " + golden + " (run with UPDATE_GOLDENS=1 to create it)";
    }
    if (expected == actual)
        return "";
    std::string message = "differs from " + golden;
    if (expected.width != actual.width || expected.height != actual.height) {
        message += ": size " + std::to_string(actual.width) + "x" + std::to_string(actual.height)
            + ", expected " + std::to_string(expected.width) + "x"
            + std::to_string(expected.height);
    } else {
        Image diff = actual;
        size_t count = 0;
        for (size_t i = 0; i < diff.pixels.size(); ++i) {
            if (actual.pixels[i] != expected.pixels[i]) {
                diff.pixels[i] = 0x000000FFu;
                ++count;
            } else {
                diff.pixels[i] = (actual.pixels[i] >> 2) & 0x003F3F3Fu;
            }
        }
        message += ": " + std::to_string(count) + " pixels differ";
        WritePng(OutputPath(name, "-diff.png"), diff);
    }
    WritePng(OutputPath(name, "-actual.png"), actual);
    return message + "; see " + OutputPath(name, "-actual.png");
}

} // namespace gdi::test

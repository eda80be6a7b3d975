// PNG output and input through libpng's simplified API (no setjmp in our code).
#include "PngIo.h"

#include <filesystem>
#include <png.h>
#include <string_view>
#include <vantrel/Error.h>

namespace vantrel::hostkit {

namespace {

constexpr uint64_t maxReadPixels = uint64_t { 1 } << 26;

std::string Reason(const png_image& image)
{
    return image.message[0] != '\0' ? std::string(image.message) : std::string("unknown error");
}

} // namespace

void WritePng(
    const std::string& path, const uint32_t* pixels, int32_t width, int32_t height, int32_t stride)
{
    if (pixels == nullptr || width < 1 || height < 1 || stride < width)
        throw Error(errInvalidCall, "Cannot write PNG file '" + path + "': invalid image layout");

    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    std::vector<png_byte> rgb(rowBytes * static_cast<std::size_t>(height));
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row
            = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride);
        png_byte* out = rgb.data() + static_cast<std::size_t>(y) * rowBytes;
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t c = row[x];
            *out++ = static_cast<png_byte>(c & 0xFF);
            *out++ = static_cast<png_byte>((c >> 8) & 0xFF);
            *out++ = static_cast<png_byte>((c >> 16) & 0xFF);
        }
    }

    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(
            &image, path.c_str(), 0, rgb.data(), static_cast<png_int_32>(rowBytes), nullptr)) {
        const std::string reason = Reason(image);
        png_image_free(&image);
        throw Error(errFileAccess, "Cannot write PNG file '" + path + "': " + reason);
    }
}

void WritePng(const std::string& path, const PixelImage& image)
{
    WritePng(path, image.pixels.data(), image.width, image.height, image.width);
}

PngImage ReadPng(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        throw Error(errFileNotFound, "PNG file not found: '" + path + "'");

    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        throw Error(errFileAccess, "Cannot read PNG file '" + path + "': " + Reason(image));

    const uint64_t area = uint64_t { image.width } * image.height;
    if (area == 0 || area > maxReadPixels) {
        png_image_free(&image);
        throw Error(errOutOfMemory,
            "Cannot read PNG file '" + path + "': image of " + std::to_string(image.width) + " x "
                + std::to_string(image.height) + " pixels is too large");
    }

    image.format = PNG_FORMAT_RGB;
    const int32_t width = static_cast<int32_t>(image.width);
    const int32_t height = static_cast<int32_t>(image.height);
    // Composition of an alpha channel happens onto the buffer's contents: black.
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        const std::string reason = Reason(image);
        png_image_free(&image);
        throw Error(errFileAccess, "Cannot read PNG file '" + path + "': " + reason);
    }

    PngImage result(width, height);
    const png_byte* in = rgb.data();
    for (uint32_t& pixel : result.pixels) {
        pixel = uint32_t { in[0] } | (uint32_t { in[1] } << 8) | (uint32_t { in[2] } << 16);
        in += 3;
    }
    return result;
}

} // namespace vantrel::hostkit

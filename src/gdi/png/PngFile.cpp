// PNG output and input through libpng's simplified API (no setjmp in our code).
#include "gdi/PngFile.h"

#include <filesystem>
#include <png.h>
#include <vector>

namespace gdi {

namespace {

constexpr uint64_t maxReadPixels = uint64_t { 1 } << 26;

std::string Reason(const png_image& image)
{
    return image.message[0] != '\0' ? std::string(image.message) : std::string("unknown error");
}

PngStatus Failure(PngStatus::Kind kind, std::string message)
{
    return PngStatus { kind, std::move(message) };
}

} // namespace

PngStatus WritePng(const std::string& path, PixelView view)
{
    if (view.pixels == nullptr || view.width < 1 || view.height < 1 || view.stride < view.width)
        return Failure(
            PngStatus::InvalidImage, "Cannot write PNG file '" + path + "': invalid image layout");

    const std::size_t rowBytes = static_cast<std::size_t>(view.width) * 3;
    std::vector<png_byte> rgb(rowBytes * static_cast<std::size_t>(view.height));
    for (int32_t y = 0; y < view.height; ++y) {
        const uint32_t* row = view.Row(y);
        png_byte* out = rgb.data() + static_cast<std::size_t>(y) * rowBytes;
        for (int32_t x = 0; x < view.width; ++x) {
            const uint32_t c = row[x];
            *out++ = static_cast<png_byte>(c & 0xFF);
            *out++ = static_cast<png_byte>((c >> 8) & 0xFF);
            *out++ = static_cast<png_byte>((c >> 16) & 0xFF);
        }
    }

    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(view.width);
    image.height = static_cast<png_uint_32>(view.height);
    image.format = PNG_FORMAT_RGB;
    // Pictures are written far more often than they are archived: libpng's faster filter and
    // compression choice costs a little size, never a pixel.
    image.flags = PNG_IMAGE_FLAG_FAST;
    if (!png_image_write_to_file(
            &image, path.c_str(), 0, rgb.data(), static_cast<png_int_32>(rowBytes), nullptr)) {
        const std::string reason = Reason(image);
        png_image_free(&image);
        return Failure(PngStatus::Unwritable, "Cannot write PNG file '" + path + "': " + reason);
    }
    return {};
}

PngStatus ReadPng(const std::string& path, Pixmap* result)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return Failure(PngStatus::NotFound, "PNG file not found: '" + path + "'");

    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return Failure(
            PngStatus::Unreadable, "Cannot read PNG file '" + path + "': " + Reason(image));

    const uint64_t area = uint64_t { image.width } * image.height;
    if (area == 0 || area > maxReadPixels) {
        png_image_free(&image);
        return Failure(PngStatus::TooLarge,
            "Cannot read PNG file '" + path + "': image of " + std::to_string(image.width) + " x "
                + std::to_string(image.height) + " pixels is too large");
    }

    image.format = PNG_FORMAT_RGB;
    // Composition of an alpha channel happens onto the buffer's contents: black.
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        const std::string reason = Reason(image);
        png_image_free(&image);
        return Failure(PngStatus::Unreadable, "Cannot read PNG file '" + path + "': " + reason);
    }

    Pixmap pixmap(static_cast<int32_t>(image.width), static_cast<int32_t>(image.height));
    if (!pixmap.Valid())
        return Failure(PngStatus::TooLarge, "Cannot read PNG file '" + path + "': out of memory");
    const PixelView view = pixmap.View();
    const png_byte* in = rgb.data();
    for (int32_t y = 0; y < view.height; ++y)
        for (int32_t x = 0; x < view.width; ++x, in += 3)
            view.At(x, y)
                = uint32_t { in[0] } | (uint32_t { in[1] } << 8) | (uint32_t { in[2] } << 16);
    *result = std::move(pixmap);
    return {};
}

} // namespace gdi

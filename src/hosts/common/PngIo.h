// PNG files of 32-bit images, through libpng: RGB output, any PNG as input.
#pragma once

#include "PixelImage.h"

#include <cstdint>
#include <string>

namespace vantrel::hostkit {

using PngImage = PixelImage;

// Writes `height` rows of `width` pixels (0x00BBGGRR, top-down, rows `stride` pixels apart) as
// an 8-bit RGB PNG. Raises vantrel::Error: 5 for a null buffer, a size below 1 or a stride
// below the width; 75 when the file cannot be written (the message names the file and says why).
void WritePng(
    const std::string& path, const uint32_t* pixels, int32_t width, int32_t height, int32_t stride);
void WritePng(const std::string& path, const PixelImage& image);

// Reads any PNG as 8-bit RGB: grey, palette and 16-bit images are expanded, an alpha channel is
// composed onto black. Raises vantrel::Error: 53 when the file does not exist, 75 when it
// cannot be read or is not a valid PNG, 7 for an image above 2^26 pixels.
PngImage ReadPng(const std::string& path);

} // namespace vantrel::hostkit

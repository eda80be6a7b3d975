// PNG files for hosts: gdi's PNG files with failures raised as vantrel::Error.
#pragma once

#include <gdi/PixelView.h>
#include <gdi/Pixmap.h>
#include <string>

namespace vantrel::hostkit {

// Writes the view as an 8-bit RGB PNG. Raises vantrel::Error: 5 for a view without pixels, a
// side below 1 or a stride below the width; 75 when the file cannot be written (the message
// names the file and says why).
void WritePng(const std::string& path, gdi::PixelView image);

// Reads any PNG as 8-bit RGB: grey, palette and 16-bit images are expanded, an alpha channel is
// composed onto black. Raises vantrel::Error: 53 when the file does not exist, 75 when it
// cannot be read or is not a valid PNG, 7 for an image above 2^26 pixels.
gdi::Pixmap ReadPng(const std::string& path);

} // namespace vantrel::hostkit

// PNG files of pixel views, through libpng (library gdi_png): RGB output, any PNG as input.
#pragma once

#include "gdi/PixelView.h"
#include "gdi/Pixmap.h"

#include <string>

namespace gdi {

// What went wrong with a PNG file; `kind` None on success. The message names the file and says
// why. Like the rest of the GDI these functions report by result and never throw (except
// std::bad_alloc).
struct PngStatus {
    enum Kind {
        None,
        InvalidImage, // a view without pixels, a side below 1 or a stride below the width
        NotFound, // the file does not exist
        Unreadable, // cannot be opened or read, or is not a valid PNG
        TooLarge, // above 2^26 pixels
        Unwritable, // cannot be created or written
    };
    Kind kind = None;
    std::string message;

    explicit operator bool() const { return kind != None; }
};

// Writes the view as an 8-bit RGB PNG (the top byte of each pixel is ignored).
PngStatus WritePng(const std::string& path, PixelView image);

// Reads any PNG as 8-bit RGB into *image: grey, palette and 16-bit images are expanded, an
// alpha channel is composed onto black. *image is left alone on failure.
PngStatus ReadPng(const std::string& path, Pixmap* image);

} // namespace gdi

// The host kit's PNG files: gdi's results turned into the platform's error numbers.
#include <gdi/PngFile.h>
#include <vantrel/Error.h>
#include <vantrel/hostkit/PngFiles.h>

namespace vantrel::hostkit {

namespace {

void RaiseOn(const gdi::PngStatus& status)
{
    switch (status.kind) {
    case gdi::PngStatus::None:
        return;
    case gdi::PngStatus::InvalidImage:
        throw Error(errInvalidCall, status.message);
    case gdi::PngStatus::NotFound:
        throw Error(errFileNotFound, status.message);
    case gdi::PngStatus::TooLarge:
        throw Error(errOutOfMemory, status.message);
    case gdi::PngStatus::Unreadable:
    case gdi::PngStatus::Unwritable:
        break;
    }
    throw Error(errFileAccess, status.message);
}

} // namespace

void WritePng(const std::string& path, gdi::PixelView image)
{
    RaiseOn(gdi::WritePng(path, image));
}

gdi::Pixmap ReadPng(const std::string& path)
{
    gdi::Pixmap image;
    RaiseOn(gdi::ReadPng(path, &image));
    return image;
}

} // namespace vantrel::hostkit

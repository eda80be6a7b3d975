// The software picture: retained image and screen, AutoRedraw, border, geometry and input.
#include "SoftPicture.h"

#include <algorithm>
#include <limits>
#include <vantrel/Error.h>
#include <vantrel/Rounding.h>

namespace vantrel::hostkit {

namespace {

constexpr int32_t maxSide = 32767;
constexpr int64_t maxArea = int64_t { 1 } << 25;

// System colour indices of the border.
constexpr int32_t colorWindowFrame = 6;
constexpr int32_t colorBtnShadow = 16;
constexpr int32_t colorBtnHighlight = 20;
constexpr int32_t color3dDkShadow = 21;
constexpr int32_t color3dLight = 22;

gdi::COLORREF TranslateOrRefuse(OleColor value)
{
    const gdi::COLORREF rgb = gdi::TranslateColor(value);
    if (rgb == gdi::CLR_INVALID)
        throw Error(errInvalidPropertyValue);
    return rgb & 0x00FFFFFFu;
}

int32_t InnerSide(int32_t outer, int32_t border) { return std::max(outer - 2 * border, 0); }

int32_t Border(int16_t appearance) { return appearance == 1 ? 2 : 1; }

int32_t ToPixels(double twips, double twipsPerPixel) { return CLng(twips / twipsPerPixel); }

int32_t ToSize(double twips, double twipsPerPixel)
{
    if (!(twips >= 0))
        throw Error(errInvalidPropertyValue);
    return ToPixels(twips, twipsPerPixel);
}

// One ring of a border: top and left in `topLeft`, then bottom and right in `bottomRight`
// over the full length, so that the top-right and bottom-left corners take `bottomRight`.
void DrawRing(PixelImage& image, int32_t inset, uint32_t topLeft, uint32_t bottomRight)
{
    const int32_t right = image.width - 1 - inset;
    const int32_t bottom = image.height - 1 - inset;
    if (right < inset || bottom < inset)
        return;
    for (int32_t x = inset; x <= right; ++x)
        image.At(x, inset) = topLeft;
    for (int32_t y = inset; y <= bottom; ++y)
        image.At(inset, y) = topLeft;
    for (int32_t x = inset; x <= right; ++x)
        image.At(x, bottom) = bottomRight;
    for (int32_t y = inset; y <= bottom; ++y)
        image.At(right, y) = bottomRight;
}

} // namespace

SoftPicture::SoftPicture(int32_t twipsPerPixelX, int32_t twipsPerPixelY)
    : twipsPerPixelX_(std::max(twipsPerPixelX, 1))
    , twipsPerPixelY_(std::max(twipsPerPixelY, 1))
{
    backRgb_ = TranslateOrRefuse(backColor_);
    const gdi::COLORREF foreRgb = TranslateOrRefuse(foreColor_);
    for (const PictureCanvas* canvas : { &image_, &screen_ }) {
        gdi::SetBkColor(canvas->Dc(), backRgb_);
        gdi::SetTextColor(canvas->Dc(), foreRgb);
    }
}

void SoftPicture::Cls()
{
    if (autoRedraw_)
        image_.Fill(backRgb_);
    screen_.CopyFrom(image_);
}

void SoftPicture::Refresh() { screen_.CopyFrom(image_); }

void SoftPicture::BackColor(OleColor value)
{
    const gdi::COLORREF rgb = TranslateOrRefuse(value);
    backColor_ = value;
    backRgb_ = rgb;
    for (PictureCanvas* canvas : { &image_, &screen_ }) {
        gdi::SetBkColor(canvas->Dc(), rgb);
        canvas->Fill(rgb);
    }
}

void SoftPicture::ForeColor(OleColor value)
{
    const gdi::COLORREF rgb = TranslateOrRefuse(value);
    foreColor_ = value;
    gdi::SetTextColor(image_.Dc(), rgb);
    gdi::SetTextColor(screen_.Dc(), rgb);
}

void SoftPicture::Appearance(int16_t value)
{
    if (value != 0 && value != 1)
        throw Error(errInvalidPropertyValue);
    Reshape(outer_, value);
}

void SoftPicture::MousePointer(int16_t value)
{
    if ((value < 0 || value > 15) && value != 99)
        throw Error(errInvalidPropertyValue);
    mousePointer_ = value;
}

float SoftPicture::Left() const { return static_cast<float>(outer_.left * twipsPerPixelX_); }
float SoftPicture::Top() const { return static_cast<float>(outer_.top * twipsPerPixelY_); }
float SoftPicture::Width() const { return static_cast<float>(outer_.width * twipsPerPixelX_); }
float SoftPicture::Height() const { return static_cast<float>(outer_.height * twipsPerPixelY_); }

void SoftPicture::Left(float value)
{
    Reshape(
        { ToPixels(value, twipsPerPixelX_), outer_.top, outer_.width, outer_.height }, appearance_);
}

void SoftPicture::Top(float value)
{
    Reshape({ outer_.left, ToPixels(value, twipsPerPixelY_), outer_.width, outer_.height },
        appearance_);
}

void SoftPicture::Width(float value)
{
    Reshape(
        { outer_.left, outer_.top, ToSize(value, twipsPerPixelX_), outer_.height }, appearance_);
}

void SoftPicture::Height(float value)
{
    Reshape({ outer_.left, outer_.top, outer_.width, ToSize(value, twipsPerPixelY_) }, appearance_);
}

void SoftPicture::Move(float Left, float Top, float Width, float Height)
{
    const PixelBounds outer { ToPixels(Left, twipsPerPixelX_), ToPixels(Top, twipsPerPixelY_),
        ToSize(Width, twipsPerPixelX_), ToSize(Height, twipsPerPixelY_) };
    Reshape(outer, appearance_);
}

void SoftPicture::Reshape(PixelBounds outer, int16_t appearance)
{
    const int32_t border = Border(appearance);
    const int32_t width = InnerSide(outer.width, border);
    const int32_t height = InnerSide(outer.height, border);
    if (width != image_.Width() || height != image_.Height()) {
        if (width > maxSide || height > maxSide || int64_t { width } * height > maxArea)
            throw Error(errOutOfMemory, "Out of memory");
        const gdi::HBITMAP imageBitmap = PictureCanvas::CreateBitmapFor(width, height);
        const gdi::HBITMAP screenBitmap = PictureCanvas::CreateBitmapFor(width, height);
        if (imageBitmap == 0 || screenBitmap == 0) {
            gdi::DeleteObject(imageBitmap);
            gdi::DeleteObject(screenBitmap);
            throw Error(errOutOfMemory, "Out of memory");
        }
        const PixelImage kept = image_.Copy();
        image_.Adopt(imageBitmap, width, height);
        image_.Fill(backRgb_);
        image_.Paste(kept);
        screen_.Adopt(screenBitmap, width, height);
        screen_.CopyFrom(image_);
    }
    outer_ = outer;
    appearance_ = appearance;
}

float SoftPicture::TextWidth(std::string_view text) const
{
    float widest = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view line
            = text.substr(start, end == std::string_view::npos ? text.size() : end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        gdi::SIZE size;
        const auto count = static_cast<int32_t>(
            std::min<std::size_t>(line.size(), std::numeric_limits<int32_t>::max()));
        if (count > 0 && gdi::GetTextExtentPoint32A(image_.Dc(), line.data(), count, &size))
            widest = std::max(widest, static_cast<float>(size.cx));
        if (end == std::string_view::npos)
            return widest;
        start = end + 1;
    }
}

float SoftPicture::TextHeight(std::string_view text) const
{
    // Every line, empty ones included, is one font height tall.
    gdi::SIZE size;
    if (!gdi::GetTextExtentPoint32A(image_.Dc(), "0", 1, &size))
        return 0;
    const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
    return static_cast<float>(static_cast<double>(size.cy) * static_cast<double>(lines));
}

PixelImage SoftPicture::ScreenCopy() const
{
    PixelImage result(outer_.width, outer_.height);
    if (appearance_ == 1) {
        DrawRing(result, 0, gdi::GetSysColor(colorBtnShadow), gdi::GetSysColor(colorBtnHighlight));
        DrawRing(result, 1, gdi::GetSysColor(color3dDkShadow), gdi::GetSysColor(color3dLight));
    } else {
        const gdi::COLORREF frame = gdi::GetSysColor(colorWindowFrame);
        DrawRing(result, 0, frame, frame);
    }
    const int32_t border = BorderPixels();
    const PixelImage inner = screen_.Copy();
    for (int32_t y = 0; y < inner.height; ++y)
        for (int32_t x = 0; x < inner.width; ++x)
            result.At(x + border, y + border) = inner.At(x, y);
    return result;
}

void SoftPicture::InjectMouseDown(int16_t button, int16_t shift, float x, float y)
{
    if (enabled_ && listener_ != nullptr)
        listener_->MouseDown(button, shift, x, y);
}

void SoftPicture::InjectMouseMove(int16_t button, int16_t shift, float x, float y)
{
    if (enabled_ && listener_ != nullptr)
        listener_->MouseMove(button, shift, x, y);
}

void SoftPicture::InjectMouseUp(int16_t button, int16_t shift, float x, float y)
{
    if (enabled_ && listener_ != nullptr)
        listener_->MouseUp(button, shift, x, y);
}

void SoftPicture::InjectClick()
{
    if (enabled_ && listener_ != nullptr)
        listener_->Click();
}

} // namespace vantrel::hostkit

// The software picture: retained image and screen, AutoRedraw, border, geometry and input.
#include <algorithm>
#include <limits>
#include <vantrel/Error.h>
#include <vantrel/Rounding.h>
#include <vantrel/hostkit/SoftPicture.h>

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

// The colour of a border pixel `ring` pixels in from the outer edge: top and left rows in
// `topLeft`, bottom and right ones in the other colour over the full length, so that the top-right
// and bottom-left corners take it.
struct Ring {
    gdi::COLORREF topLeft;
    gdi::COLORREF bottomRight;
};

gdi::Pixmap MakePixmap()
{
    gdi::Pixmap pixmap(0, 0);
    if (!pixmap.Valid())
        throw Error(errOutOfMemory, "Out of memory");
    // A picture's fill style is transparent: shapes drawn without a brush of their own leave
    // their interior as it was; text leaves its background alone.
    gdi::SetBkMode(pixmap.Dc(), gdi::TRANSPARENT);
    gdi::SelectObject(pixmap.Dc(), gdi::GetStockObject(gdi::HOLLOW_BRUSH));
    return pixmap;
}

// Keeps a list of rectangles short: past maxChangeRects it becomes their bounding box.
void AddRect(std::vector<PixelRect>& rects, const PixelRect& rect)
{
    if (rect.Empty())
        return;
    if (static_cast<int32_t>(rects.size()) < gdi::maxChangeRects) {
        rects.push_back(rect);
        return;
    }
    PixelRect all = rect;
    for (const PixelRect& held : rects)
        all = PixelRect { std::min(all.left, held.left), std::min(all.top, held.top),
            std::max(all.right, held.right), std::max(all.bottom, held.bottom) };
    rects.assign(1, all);
}

// Records what GDI calls draw on the pixmap's bitmap from now on.
void Track(const gdi::Pixmap& pixmap) { gdi::TrackChanges(pixmap.Bitmap(), gdi::TRUE); }

// The areas GDI calls on the pixmap may have changed since the last call; writes through its
// view are not among them.
std::vector<PixelRect> TakeChanges(const gdi::Pixmap& pixmap)
{
    gdi::RECT rects[gdi::maxChangeRects];
    const int32_t count = gdi::TakeChanges(pixmap.Bitmap(), rects);
    std::vector<PixelRect> changes;
    changes.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int32_t i = 0; i < count; ++i)
        changes.push_back(
            PixelRect { rects[i].left, rects[i].top, rects[i].right, rects[i].bottom });
    return changes;
}

// One rectangle of `from`, clipped to both pixmaps, to the same place in `to`.
void CopyRect(const gdi::Pixmap& from, const gdi::Pixmap& to, const PixelRect& rect)
{
    gdi::CopyPixels(from.View().Crop(rect.left, rect.top, rect.right, rect.bottom),
        to.View().Crop(rect.left, rect.top, rect.right, rect.bottom));
}

} // namespace

SoftPicture::SoftPicture(int32_t twipsPerPixelX, int32_t twipsPerPixelY)
    : twipsPerPixelX_(std::max(twipsPerPixelX, 1))
    , twipsPerPixelY_(std::max(twipsPerPixelY, 1))
    , image_(MakePixmap())
    , screen_(MakePixmap())
{
    backRgb_ = TranslateOrRefuse(backColor_);
    const gdi::COLORREF foreRgb = TranslateOrRefuse(foreColor_);
    for (const gdi::Pixmap* pixmap : { &image_, &screen_ }) {
        gdi::SetBkColor(pixmap->Dc(), backRgb_);
        gdi::SetTextColor(pixmap->Dc(), foreRgb);
        Track(*pixmap);
    }
}

void SoftPicture::Cls()
{
    if (autoRedraw_)
        gdi::FillPixels(image_.View(), backRgb_);
    ShowWholeImage();
    NotifyScreenChanged();
}

void SoftPicture::Refresh()
{
    CollectScreenDrawing();
    std::vector<PixelRect> stale = TakeChanges(image_);
    stale.insert(stale.end(), divergent_.begin(), divergent_.end());
    divergent_.clear();
    for (const PixelRect& rect : stale) {
        ShowImageIn(rect);
        if (!wholeDue_)
            AddRect(unpresented_, rect);
    }
    NotifyScreenChanged();
}

void SoftPicture::ShowImageIn(const PixelRect& rect)
{
    if (!direct_) {
        CopyRect(image_, screen_, rect);
        return;
    }
    // Once the whole screen lags, further areas add nothing.
    const PixelRect whole { 0, 0, image_.Width(), image_.Height() };
    if (rect == whole)
        lagging_.assign(1, whole);
    else if (lagging_.size() != 1 || lagging_.front() != whole)
        AddRect(lagging_, rect);
}

void SoftPicture::CatchUpScreen() const
{
    for (const PixelRect& rect : lagging_)
        CopyRect(image_, screen_, rect);
    lagging_.clear();
}

void SoftPicture::ShowImageDirectly(bool value)
{
    if (!value)
        CatchUpScreen();
    direct_ = value;
}

std::vector<PixelRect> SoftPicture::ScreenOnlyAreas()
{
    CollectScreenDrawing();
    return divergent_;
}

void SoftPicture::ShowWholeImage()
{
    ShowImageIn(PixelRect { 0, 0, image_.Width(), image_.Height() });
    TakeChanges(image_);
    TakeChanges(screen_);
    divergent_.clear();
    unpresented_.clear();
    wholeDue_ = true;
}

void SoftPicture::CollectScreenDrawing()
{
    for (const PixelRect& rect : TakeChanges(screen_)) {
        AddRect(divergent_, rect);
        if (!wholeDue_)
            AddRect(unpresented_, rect);
    }
}

std::vector<PixelRect> SoftPicture::TakeScreenChanges()
{
    CollectScreenDrawing();
    std::vector<PixelRect> changes;
    if (wholeDue_)
        changes.push_back(PixelRect { 0, 0, screen_.Width(), screen_.Height() });
    else
        changes.swap(unpresented_);
    unpresented_.clear();
    wholeDue_ = false;
    return changes;
}

void SoftPicture::NotifyScreenChanged() const
{
    if (screenChanged_)
        screenChanged_();
}

void SoftPicture::BackColor(OleColor value)
{
    const gdi::COLORREF rgb = TranslateOrRefuse(value);
    backColor_ = value;
    backRgb_ = rgb;
    for (const gdi::Pixmap* pixmap : { &image_, &screen_ }) {
        gdi::SetBkColor(pixmap->Dc(), rgb);
        gdi::FillPixels(pixmap->View(), rgb);
    }
    ShowWholeImage();
    NotifyScreenChanged();
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
        // New bitmaps first, swapped in only when both exist: a refusal changes nothing.
        gdi::Pixmap image(width, height, backRgb_);
        gdi::Pixmap screen(width, height);
        if (!image.Valid() || !screen.Valid())
            throw Error(errOutOfMemory, "Out of memory");
        gdi::CopyPixels(image_.View(), image.View());
        image_.SwapBitmaps(image);
        screen_.SwapBitmaps(screen);
        Track(image_);
        Track(screen_);
        ShowWholeImage();
    }
    outer_ = outer;
    appearance_ = appearance;
    NotifyScreenChanged();
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

gdi::Pixmap SoftPicture::ScreenCopy() const
{
    CatchUpScreen();
    gdi::Pixmap result(outer_.width, outer_.height);
    if (!result.Valid())
        throw Error(errOutOfMemory, "Out of memory");
    Paint(result.View(), 0, 0, gdi::RECT { 0, 0, outer_.width, outer_.height });
    return result;
}

void SoftPicture::PaintScreen(gdi::PixelView window, const gdi::RECT& area) const
{
    CatchUpScreen();
    Paint(window, outer_.left, outer_.top, area);
}

void SoftPicture::Paint(gdi::PixelView into, int32_t left, int32_t top, const gdi::RECT& area) const
{
    const Ring rings[2] = {
        appearance_ == 1
            ? Ring { gdi::GetSysColor(colorBtnShadow), gdi::GetSysColor(colorBtnHighlight) }
            : Ring { gdi::GetSysColor(colorWindowFrame), gdi::GetSysColor(colorWindowFrame) },
        Ring { gdi::GetSysColor(color3dDkShadow), gdi::GetSysColor(color3dLight) },
    };
    const int32_t border = BorderPixels();
    // The picture's pixels [x0, x1) x [y0, y1) that land inside `area` and `into`; 64-bit, as
    // positions far off the window are allowed.
    const auto from
        = [](int64_t origin, int64_t low) { return std::max<int64_t>(low - origin, 0); };
    const int64_t x0 = from(left, std::max<int64_t>(area.left, 0));
    const int64_t y0 = from(top, std::max<int64_t>(area.top, 0));
    const int64_t x1 = std::min<int64_t>(
        outer_.width, std::min<int64_t>(area.right, into.width) - int64_t { left });
    const int64_t y1 = std::min<int64_t>(
        outer_.height, std::min<int64_t>(area.bottom, into.height) - int64_t { top });
    for (int64_t y = y0; y < y1; ++y) {
        uint32_t* row = into.Row(static_cast<int32_t>(y + top));
        for (int64_t x = x0; x < x1; ++x) {
            const int64_t ring = std::min({ x, y, outer_.width - 1 - x, outer_.height - 1 - y });
            if (ring >= border) {
                row[x + left] = screen_.At(
                    static_cast<int32_t>(x - border), static_cast<int32_t>(y - border));
                continue;
            }
            const bool far = x == outer_.width - 1 - ring || y == outer_.height - 1 - ring;
            row[x + left] = far ? rings[ring].bottomRight : rings[ring].topLeft;
        }
    }
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

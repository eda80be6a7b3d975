// The picture surface on the software GDI, shared by every host: a retained image and a screen,
// each a gdi::Pixmap (a 32-bit bitmap with its own device context), inside a border.
#pragma once

#include <cstdint>
#include <functional>
#include <gdi/Pixmap.h>
#include <string>
#include <vantrel/platform/PictureSurface.h>
#include <vector>

namespace vantrel::hostkit {

// Geometry in pixels of the container, border included.
struct PixelBounds {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PixelBounds&) const = default;
};

// A rectangle of pixels, half-open: right and bottom are outside.
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// Behaviour beyond the interface's contract:
// - Positions and sizes given in twips are rounded to whole pixels (ties to even) and read back
//   as pixels times twips per pixel. A negative or NaN width or height raises 380; a value whose
//   pixel count does not fit 32 bits raises 6; an inner area above 32767 pixels across or 2^25
//   pixels in all raises 7. A failed setter changes nothing.
// - A change of the inner size (Move, Width, Height, Appearance) keeps what fits of the retained
//   image at the top-left corner, fills the rest with BackColor and repaints the screen from
//   the image, as the platform repaints a resized window; drawing made on the screen alone is
//   lost. A move that keeps the size changes no pixel. Both DCs keep their handles and state.
// - Cls with AutoRedraw on erases the image to BackColor and the screen shows it at once; with
//   AutoRedraw off it repaints the screen from the image, which it leaves alone.
// - BackColor and ForeColor accept valid OLE_COLOR values (RGB, palette, system colours 0 to
//   30) and raise 380 for others; colours go through gdi::TranslateColor. ForeColor
//   becomes the text colour of both DCs, BackColor their background colour.
// - Refresh copies only the areas that may differ between image and screen: what GDI calls
//   drew on either since the last copy (gdi::TrackChanges). Hosts that present the screen
//   take the areas it changed with TakeScreenChanges and repaint just those.
// - A host whose window keeps its own pixels can show the image itself (ShowImageDirectly):
//   the screen is then the image, as the platform repaints a window from its retained image,
//   except where something drew on the screen alone since the last Refresh or Cls
//   (ScreenOnlyAreas). Refresh and Cls copy nothing; the screen's own pixels catch up with the
//   image when they are read or its DC is handed out.
// - A fresh picture: 0 x 0 at 0, 0; AutoRedraw off; BackColor 0x8000000F, ForeColor
//   0x80000012; Appearance 1; MousePointer 0; Enabled; no tooltip.
// - Raises 7 when the GDI refuses the bitmaps.
//
// A host shows a picture by painting its screen and border where the picture sits in the
// control (PaintScreen, or Compose for all pictures of a control) and feeds it pointer input
// (the Inject functions).
class SoftPicture final : public platform::PictureSurface {
public:
    explicit SoftPicture(int32_t twipsPerPixelX = 15, int32_t twipsPerPixelY = 15);
    SoftPicture(const SoftPicture&) = delete;
    SoftPicture& operator=(const SoftPicture&) = delete;

    bool AutoRedraw() const override { return autoRedraw_; }
    void AutoRedraw(bool value) override { autoRedraw_ = value; }
    void Cls() override;
    void Refresh() override;
    gdi::HDC hDC() const override
    {
        if (autoRedraw_)
            return image_.Dc();
        CatchUpScreen();
        return screen_.Dc();
    }

    OleColor BackColor() const override { return backColor_; }
    void BackColor(OleColor value) override;
    OleColor ForeColor() const override { return foreColor_; }
    void ForeColor(OleColor value) override;
    int16_t Appearance() const override { return appearance_; }
    void Appearance(int16_t value) override;
    int16_t MousePointer() const override { return mousePointer_; }
    void MousePointer(int16_t value) override;
    bool Enabled() const override { return enabled_; }
    void Enabled(bool value) override { enabled_ = value; }
    std::string ToolTipText() const override { return toolTipText_; }
    void ToolTipText(std::string value) override { toolTipText_ = std::move(value); }

    float ScaleWidth() const override { return static_cast<float>(image_.Width()); }
    float ScaleHeight() const override { return static_cast<float>(image_.Height()); }

    float Left() const override;
    void Left(float value) override;
    float Top() const override;
    void Top(float value) override;
    float Width() const override;
    void Width(float value) override;
    float Height() const override;
    void Height(float value) override;
    void Move(float Left, float Top, float Width, float Height) override;

    float TextWidth(std::string_view text) const override;
    float TextHeight(std::string_view text) const override;

    void SetListener(platform::PictureListener* listener) override { listener_ = listener; }

    // For hosts: pixels (0x00BBGGRR) in drawing coordinates, border excluded; CLR_INVALID
    // outside the inner area.
    uint32_t ImagePixel(int32_t x, int32_t y) const { return image_.At(x, y); }
    uint32_t ScreenPixel(int32_t x, int32_t y) const
    {
        CatchUpScreen();
        return screen_.At(x, y);
    }
    // The retained image, ScaleWidth x ScaleHeight, borrowed until the next change of size.
    gdi::PixelView ImageView() const { return image_.View(); }
    // The retained image, copied.
    gdi::Pixmap ImageCopy() const { return image_; }
    // What the screen shows, border included: OuterPixels().width x height.
    gdi::Pixmap ScreenCopy() const;
    // Paints what the screen shows, border included, at the picture's outer position into
    // `window` (the control's pixels, origin at its top-left corner), touching only the part
    // inside `area` (half-open).
    void PaintScreen(gdi::PixelView window, const gdi::RECT& area) const;
    PixelBounds OuterPixels() const { return outer_; }
    // The screen's pixels in place (inner area, border excluded), valid until the next change
    // of the inner size.
    gdi::PixelView ScreenView() const
    {
        CatchUpScreen();
        return screen_.View();
    }
    // Off by default. On, the host paints ImageView() and, over ScreenOnlyAreas(), ScreenView():
    // a pointer move or a redraw then costs no copy of the image to the screen.
    void ShowImageDirectly(bool value);
    bool ShowImageDirectly() const { return direct_; }
    // Areas (drawing coordinates) drawn on the screen alone since the last Refresh or Cls.
    std::vector<PixelRect> ScreenOnlyAreas();
    // The areas of the screen (drawing coordinates) changed since the last call: copied by
    // Refresh or Cls, drawn on it directly, or all of it after a new size or back colour.
    std::vector<PixelRect> TakeScreenChanges();
    // Called after Refresh, Cls, a new back colour and any change of geometry or border: the
    // moments a presenting host has something to show. Empty disconnects.
    void SetScreenChanged(std::function<void()> callback) { screenChanged_ = std::move(callback); }
    // 2 for the 3-D appearance, 1 for flat.
    int32_t BorderPixels() const { return appearance_ == 1 ? 2 : 1; }

    // Pointer input from a host, in drawing coordinates; nothing is delivered while disabled.
    void InjectMouseDown(int16_t button, int16_t shift, float x, float y);
    void InjectMouseMove(int16_t button, int16_t shift, float x, float y);
    void InjectMouseUp(int16_t button, int16_t shift, float x, float y);
    void InjectClick();

private:
    // Sets geometry and border together, resizing both pixmaps when the inner size changes.
    void Reshape(PixelBounds outer, int16_t appearance);
    // The whole image shown on the screen and due to the host.
    void ShowWholeImage();
    // Moves what GDI calls drew on the screen into the two lists that care about it.
    void CollectScreenDrawing();
    void NotifyScreenChanged() const;
    // Marks `rect` of the screen as showing the image: copied now, or later when direct_.
    void ShowImageIn(const PixelRect& rect);
    // Copies the image to the screen where the screen's pixels lag behind it.
    void CatchUpScreen() const;
    // The border and screen with the outer top-left corner at (left, top) of `into`, within
    // `area` of `into`.
    void Paint(gdi::PixelView into, int32_t left, int32_t top, const gdi::RECT& area) const;

    const double twipsPerPixelX_;
    const double twipsPerPixelY_;
    gdi::Pixmap image_;
    gdi::Pixmap screen_;
    PixelBounds outer_;
    bool autoRedraw_ = false;
    OleColor backColor_ = 0x8000000Fu;
    gdi::COLORREF backRgb_ = 0;
    OleColor foreColor_ = 0x80000012u;
    int16_t appearance_ = 1;
    int16_t mousePointer_ = 0;
    bool enabled_ = true;
    std::string toolTipText_;
    platform::PictureListener* listener_ = nullptr;
    // Areas where the screen may differ from the image (drawn on the screen alone).
    std::vector<PixelRect> divergent_;
    // Areas of the screen changed since the host last took them; everything while wholeDue_.
    std::vector<PixelRect> unpresented_;
    bool wholeDue_ = true;
    // While the host shows the image directly: areas where the screen's pixels lag the image.
    bool direct_ = false;
    mutable std::vector<PixelRect> lagging_;
    std::function<void()> screenChanged_;
};

} // namespace vantrel::hostkit

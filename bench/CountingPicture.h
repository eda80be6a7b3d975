// A picture surface that passes everything to a software picture and counts Cls and Refresh,
// for benchmarks that measure the control's own work apart from presentation.
#pragma once

#include <cstdint>
#include <string>
#include <vantrel/hostkit/SoftPicture.h>

namespace bench {

using vantrel::hostkit::SoftPicture;

// The plot area as the control sees it, passed through to a software picture, with Cls and
// Refresh counted. With `present` false Refresh only counts: the control's own work is measured
// without the software host's full copy of the image to the screen, which a windowing system
// does in its compositor.
class CountingPicture final : public vantrel::platform::PictureSurface {
public:
    CountingPicture(SoftPicture& picture, bool present)
        : picture_(picture)
        , present_(present)
    {
    }

    int64_t clears = 0;
    int64_t refreshes = 0;

    bool AutoRedraw() const override { return picture_.AutoRedraw(); }
    void AutoRedraw(bool value) override { picture_.AutoRedraw(value); }
    void Cls() override
    {
        ++clears;
        picture_.Cls();
    }
    void Refresh() override
    {
        ++refreshes;
        if (present_)
            picture_.Refresh();
    }
    gdi::HDC hDC() const override { return picture_.hDC(); }
    vantrel::OleColor BackColor() const override { return picture_.BackColor(); }
    void BackColor(vantrel::OleColor value) override { picture_.BackColor(value); }
    vantrel::OleColor ForeColor() const override { return picture_.ForeColor(); }
    void ForeColor(vantrel::OleColor value) override { picture_.ForeColor(value); }
    int16_t Appearance() const override { return picture_.Appearance(); }
    void Appearance(int16_t value) override { picture_.Appearance(value); }
    int16_t MousePointer() const override { return picture_.MousePointer(); }
    void MousePointer(int16_t value) override { picture_.MousePointer(value); }
    bool Enabled() const override { return picture_.Enabled(); }
    void Enabled(bool value) override { picture_.Enabled(value); }
    std::string ToolTipText() const override { return picture_.ToolTipText(); }
    void ToolTipText(std::string value) override { picture_.ToolTipText(std::move(value)); }
    float ScaleWidth() const override { return picture_.ScaleWidth(); }
    float ScaleHeight() const override { return picture_.ScaleHeight(); }
    float Left() const override { return picture_.Left(); }
    void Left(float value) override { picture_.Left(value); }
    float Top() const override { return picture_.Top(); }
    void Top(float value) override { picture_.Top(value); }
    float Width() const override { return picture_.Width(); }
    void Width(float value) override { picture_.Width(value); }
    float Height() const override { return picture_.Height(); }
    void Height(float value) override { picture_.Height(value); }
    void Move(float left, float top, float width, float height) override
    {
        picture_.Move(left, top, width, height);
    }
    float TextWidth(std::string_view text) const override { return picture_.TextWidth(text); }
    float TextHeight(std::string_view text) const override { return picture_.TextHeight(text); }
    void SetListener(vantrel::platform::PictureListener* listener) override
    {
        picture_.SetListener(listener);
    }

private:
    SoftPicture& picture_;
    bool present_;
};

} // namespace bench

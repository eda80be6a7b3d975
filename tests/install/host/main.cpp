// A host of its own for the control, built against the installed package only: what a toolkit
// adapter does, with a plain pixel buffer for a window. It sites OrvGraph on two software
// pictures of the host kit, presents the composed window, and turns pointer input in window
// coordinates into the input of the picture under the pointer.
#include <cstdio>
#include <gdi/Pixmap.h>
#include <vantrel/hostkit/Compose.h>
#include <vantrel/hostkit/SimpleContainer.h>
#include <vantrel/hostkit/SoftPicture.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace {

using vantrel::hostkit::PicturePoint;
using vantrel::hostkit::SoftPicture;

class MiniHost {
public:
    // 15 twips per pixel: a 96 dpi screen.
    MiniHost(int32_t width, int32_t height)
        : container_(static_cast<float>(width) * 15.0f, static_cast<float>(height) * 15.0f)
        , graph_(container_, frame_, inside_)
        , window_(width, height)
    {
        graph_.InitProperties();
        graph_.Resize();
    }

    vantrel::OrvGraph& Graph() { return graph_; }

    // A toolkit's paint handler: the frame picture, the plot area in front, over the
    // container's colour. A widget would then hand window_.View() to its painter.
    void Paint()
    {
        vantrel::hostkit::Compose(window_.View(), { &frame_, &inside_ },
            gdi::TranslateColor(0x8000000Fu), { 0, 0, window_.Width(), window_.Height() });
    }
    uint32_t Pixel(int32_t x, int32_t y) const { return window_.At(x, y); }
    // Where the plot area's drawing origin lies in the window.
    gdi::POINT InsideOrigin() const
    {
        const auto at = inside_.OuterPixels();
        return { at.left + inside_.BorderPixels(), at.top + inside_.BorderPixels() };
    }
    int32_t InsideWidth() const { return static_cast<int32_t>(inside_.ScaleWidth()); }
    int32_t InsideHeight() const { return static_cast<int32_t>(inside_.ScaleHeight()); }

    // A toolkit's mouse handlers: the picture under the pointer gets the press and keeps the
    // pointer until the button is released, as a window system captures it.
    void LeftDown(int32_t x, int32_t y)
    {
        const PicturePoint at = vantrel::hostkit::PictureAt({ &inside_, &frame_ }, x, y);
        captured_ = at.picture;
        if (captured_ != nullptr)
            captured_->InjectMouseDown(1, 0, at.x, at.y);
    }
    void Move(int32_t x, int32_t y, int16_t buttons)
    {
        const PicturePoint at = captured_ != nullptr
            ? vantrel::hostkit::PointIn(*captured_, x, y)
            : vantrel::hostkit::PictureAt({ &inside_, &frame_ }, x, y);
        if (at.picture != nullptr)
            at.picture->InjectMouseMove(buttons, 0, at.x, at.y);
    }
    void LeftUp(int32_t x, int32_t y)
    {
        if (captured_ == nullptr)
            return;
        const PicturePoint at = vantrel::hostkit::PointIn(*captured_, x, y);
        captured_->InjectMouseUp(1, 0, at.x, at.y);
        captured_ = nullptr;
    }

private:
    vantrel::hostkit::SimpleContainer container_;
    SoftPicture frame_;
    SoftPicture inside_;
    vantrel::OrvGraph graph_;
    gdi::Pixmap window_;
    SoftPicture* captured_ = nullptr;
};

constexpr uint32_t red = 0x0000FF;
constexpr uint32_t white = 0xFFFFFF;

// The rows of the plot area's middle column that show the series' colour.
std::vector<int32_t> RedRows(const MiniHost& host)
{
    const gdi::POINT origin = host.InsideOrigin();
    std::vector<int32_t> rows;
    for (int32_t y = 0; y < host.InsideHeight(); ++y)
        if (host.Pixel(origin.x + host.InsideWidth() / 2, origin.y + y) == red)
            rows.push_back(y);
    return rows;
}

bool Near(const std::vector<int32_t>& rows, int32_t row)
{
    return rows.size() == 1 && rows[0] >= row - 2 && rows[0] <= row + 2;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "minihost: %s\n", what);
    return 1;
}

} // namespace

int main()
{
    MiniHost host(320, 240);
    vantrel::OrvGraph& graph = host.Graph();
    graph.InsideBackColor(white);
    graph.Clear();
    graph.SetScale(0.0, -1.0, 10.0, 1.0);
    // A level series at Y = 0.5, a quarter of the way down the plot area.
    graph.DrawY(vantrel::gdtLine, 0.0, 0.1, vantrel::DoubleArray(std::vector<double>(101, 0.5)),
        101, static_cast<int32_t>(red));
    host.Paint();

    const gdi::POINT origin = host.InsideOrigin();
    const int32_t width = host.InsideWidth();
    const int32_t height = host.InsideHeight();
    if (width < 100 || height < 60)
        return Fail("plot area too small");
    if (host.Pixel(origin.x + 3, origin.y + height - 3) != white)
        return Fail("plot area not white");
    if (!Near(RedRows(host), height / 4))
        return Fail("series not a quarter of the way down");

    // Drag a zoom box over the upper half of the plot area, Y from 1 down to 0.
    host.LeftDown(origin.x, origin.y);
    host.Move(origin.x + width / 2, origin.y + height / 4, 1);
    host.Move(origin.x + width - 1, origin.y + height / 2, 1);
    host.Paint();
    int32_t changed = 0;
    for (int32_t x = 0; x < width; ++x)
        changed += host.Pixel(origin.x + x, origin.y + height / 2) != white;
    if (changed < width / 4)
        return Fail("no selection shown while dragging");
    host.LeftUp(origin.x + width - 1, origin.y + height / 2);
    graph.ZoomBox();
    host.Paint();
    if (!Near(RedRows(host), height / 2))
        return Fail("series not in the middle after the zoom");

    std::puts("minihost: ok");
    return 0;
}

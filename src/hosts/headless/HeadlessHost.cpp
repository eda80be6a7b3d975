// HeadlessHost: the container, the two software pictures and the control, composed into a screen.
#include <gdi/Gdi.h>
#include <string>
#include <vantrel/Error.h>
#include <vantrel/HeadlessHost.h>
#include <vantrel/hostkit/Compose.h>
#include <vantrel/hostkit/PngFiles.h>
#include <vantrel/hostkit/SimpleContainer.h>
#include <vantrel/hostkit/SoftPicture.h>

namespace vantrel {

namespace {

constexpr float twipsPerPixel = hostkit::SimpleContainer::twipsPerPixel;
// The pictures' own limits (SoftPicture): larger controls could never show a picture.
constexpr int32_t maxSide = 32767;
constexpr int64_t maxArea = int64_t { 1 } << 25;

// Checked before anything changes: a refused size leaves the host as it was.
void CheckSize(int32_t widthPixels, int32_t heightPixels)
{
    if (widthPixels < 0 || heightPixels < 0)
        throw Error(errInvalidPropertyValue,
            "A control size cannot be negative: " + std::to_string(widthPixels) + " x "
                + std::to_string(heightPixels) + " pixels");
    if (widthPixels > maxSide || heightPixels > maxSide
        || int64_t { widthPixels } * heightPixels > maxArea)
        throw Error(errOutOfMemory,
            "Out of memory: a control of " + std::to_string(widthPixels) + " x "
                + std::to_string(heightPixels) + " pixels is larger than a picture can be");
}

int32_t CheckedSize(int32_t widthPixels, int32_t heightPixels, bool width)
{
    CheckSize(widthPixels, heightPixels);
    return width ? widthPixels : heightPixels;
}

} // namespace

struct HeadlessHost::Parts {
    Parts(int32_t widthPixels, int32_t heightPixels, bool userMode)
        : container(
            static_cast<float>(CheckedSize(widthPixels, heightPixels, true)) * twipsPerPixel,
            static_cast<float>(heightPixels) * twipsPerPixel, userMode)
        , graph(container, frame, inside)
    {
    }

    // The control's surface: the frame picture, then the inside picture in front of it.
    gdi::Pixmap ComposeScreen() const
    {
        const auto width = static_cast<int32_t>(container.ScaleWidth() / twipsPerPixel);
        const auto height = static_cast<int32_t>(container.ScaleHeight() / twipsPerPixel);
        return hostkit::Compose(
            width, height, { &frame, &inside }, gdi::TranslateColor(0x8000000Fu));
    }

    hostkit::SimpleContainer container;
    hostkit::SoftPicture frame;
    hostkit::SoftPicture inside;
    OrvGraph graph;
};

HeadlessHost::HeadlessHost(int32_t widthPixels, int32_t heightPixels, bool userMode)
    : parts_(std::make_unique<Parts>(widthPixels, heightPixels, userMode))
{
}

HeadlessHost::~HeadlessHost() = default;

OrvGraph& HeadlessHost::Graph() { return parts_->graph; }

void HeadlessHost::InitNew()
{
    parts_->graph.InitProperties();
    parts_->graph.Resize();
}

void HeadlessHost::Load(PropertyBag& bag)
{
    parts_->graph.ReadProperties(bag);
    parts_->graph.Resize();
}

void HeadlessHost::Save(PropertyBag& bag) { parts_->graph.WriteProperties(bag); }

void HeadlessHost::ResizePixels(int32_t widthPixels, int32_t heightPixels)
{
    CheckSize(widthPixels, heightPixels);
    const float oldWidth = parts_->container.ScaleWidth();
    const float oldHeight = parts_->container.ScaleHeight();
    parts_->container.SetSize(static_cast<float>(widthPixels) * twipsPerPixel,
        static_cast<float>(heightPixels) * twipsPerPixel);
    try {
        parts_->graph.Resize();
    } catch (...) {
        // A control that refuses its new size keeps the old one, and so does the form.
        parts_->container.SetSize(oldWidth, oldHeight);
        throw;
    }
}

uint32_t HeadlessHost::InsidePixel(int32_t x, int32_t y) const
{
    return parts_->inside.ImagePixel(x, y);
}

uint32_t HeadlessHost::FramePixel(int32_t x, int32_t y) const
{
    return parts_->frame.ImagePixel(x, y);
}

uint32_t HeadlessHost::ScreenPixel(int32_t x, int32_t y) const
{
    // Front to back, without composing the whole screen for one pixel.
    for (const hostkit::SoftPicture* picture : { &parts_->inside, &parts_->frame }) {
        const hostkit::PixelBounds at = picture->OuterPixels();
        // In 64 bits: any pair of 32-bit positions may come in.
        const int64_t px = int64_t { x } - at.left;
        const int64_t py = int64_t { y } - at.top;
        if (px < 0 || py < 0 || px >= at.width || py >= at.height)
            continue;
        const auto ix = static_cast<int32_t>(px);
        const auto iy = static_cast<int32_t>(py);
        const int32_t border = picture->BorderPixels();
        const uint32_t inner = picture->ScreenPixel(ix - border, iy - border);
        return inner != gdi::CLR_INVALID ? inner : picture->ScreenCopy().At(ix, iy);
    }
    return parts_->ComposeScreen().At(x, y);
}

void HeadlessHost::SavePng(const std::string& path) const
{
    hostkit::WritePng(path, parts_->ComposeScreen().View());
}

std::string HeadlessHost::InsideToolTipText() const { return parts_->inside.ToolTipText(); }

void HeadlessHost::InsideMouseDown(int16_t button, int16_t shift, float x, float y)
{
    parts_->inside.InjectMouseDown(button, shift, x, y);
}

void HeadlessHost::InsideMouseMove(int16_t button, int16_t shift, float x, float y)
{
    parts_->inside.InjectMouseMove(button, shift, x, y);
}

void HeadlessHost::InsideMouseUp(int16_t button, int16_t shift, float x, float y)
{
    parts_->inside.InjectMouseUp(button, shift, x, y);
}

void HeadlessHost::InsideClick() { parts_->inside.InjectClick(); }

void HeadlessHost::FrameMouseDown(int16_t button, int16_t shift, float x, float y)
{
    parts_->frame.InjectMouseDown(button, shift, x, y);
}

void HeadlessHost::FrameMouseMove(int16_t button, int16_t shift, float x, float y)
{
    parts_->frame.InjectMouseMove(button, shift, x, y);
}

void HeadlessHost::FrameMouseUp(int16_t button, int16_t shift, float x, float y)
{
    parts_->frame.InjectMouseUp(button, shift, x, y);
}

void HeadlessHost::FrameClick() { parts_->frame.InjectClick(); }

std::vector<std::string> HeadlessHost::PropertyChanges() const
{
    return parts_->container.PropertyChanges();
}

void HeadlessHost::ClearPropertyChanges() { parts_->container.ClearPropertyChanges(); }

int32_t HeadlessHost::GdiObjectCount() const
{
    return gdi::LiveObjectCount(gdi::OBJ_PEN) + gdi::LiveObjectCount(gdi::OBJ_BRUSH)
        + gdi::LiveObjectCount(gdi::OBJ_FONT);
}

} // namespace vantrel

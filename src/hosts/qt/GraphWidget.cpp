// GraphWidget: construction, presentation of the pictures, resizing, persistence and the
// control's events as signals.
#include "GraphWidgetParts.h"
#include "RasterBlit.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <gdi/Gdi.h>
#include <vantrel/JsonPropertyBag.h>

namespace vantrel::qt {

namespace {

QColor FromColorRef(uint32_t rgb)
{
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
        static_cast<int>(rgb >> 16 & 0xFF));
}

QColor SysColor(int32_t index) { return FromColorRef(gdi::GetSysColor(index)); }

// One ring of a picture's border, as the off-screen host draws it: top and left in one colour,
// then bottom and right over the full length in the other.
void PaintRing(
    QPainter& painter, const QRect& ring, const QColor& topLeft, const QColor& bottomRight)
{
    if (ring.width() <= 0 || ring.height() <= 0)
        return;
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), topLeft);
    painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), bottomRight);
    painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), bottomRight);
}

void PaintBorder(QPainter& painter, const hostkit::SoftPicture& picture)
{
    const hostkit::PixelBounds at = picture.OuterPixels();
    const QRect outer(at.left, at.top, at.width, at.height);
    if (picture.Appearance() == 1) {
        PaintRing(painter, outer, SysColor(16), SysColor(20));
        PaintRing(painter, outer.adjusted(1, 1, -1, -1), SysColor(21), SysColor(22));
    } else {
        PaintRing(painter, outer, SysColor(6), SysColor(6));
    }
}

// Pixels go straight into the backing store. Painters BlitToRaster declines (a device pixel
// ratio of 2, a printer) take them as they stand: on a little-endian machine 0x00BBGGRR words
// are the bytes R, G, B, X of Format_RGBX8888, which QPainter converts.
void PaintPixels(
    QPainter& painter, const gdi::PixelView& view, const QRect& inner, const QRegion& region)
{
    if (region.isEmpty() || BlitToRaster(painter, view, inner.topLeft(), region))
        return;
    const QImage image(reinterpret_cast<const uchar*>(view.pixels), view.width, view.height,
        static_cast<qsizetype>(view.stride) * 4, QImage::Format_RGBX8888);
    for (const QRect& rect : region) {
        const QRect part = rect & inner;
        if (!part.isEmpty())
            painter.drawImage(part, image, part.translated(-inner.topLeft()));
    }
}

// The window keeps what it showed, so the picture's screen is its retained image, except where
// something drew on the screen alone.
void PaintPicture(QPainter& painter, hostkit::SoftPicture& picture, const QRegion& region)
{
    const QRect inner = InnerRect(picture);
    if (!inner.contains(region.boundingRect()))
        PaintBorder(painter, picture);
    if (picture.ImageView().pixels == nullptr || inner.isEmpty())
        return;
    QRegion screenOnly;
    for (const hostkit::PixelRect& r : picture.ScreenOnlyAreas())
        screenOnly += QRect(
            inner.left() + r.left, inner.top() + r.top, r.right - r.left, r.bottom - r.top);
    if (screenOnly.isEmpty()) {
        PaintPixels(painter, picture.ImageView(), inner, region);
        return;
    }
    PaintPixels(painter, picture.ImageView(), inner, region - screenOnly);
    PaintPixels(painter, picture.ScreenView(), inner, region & screenOnly);
}

} // namespace

QRect OuterRect(const hostkit::SoftPicture& picture)
{
    const hostkit::PixelBounds at = picture.OuterPixels();
    return QRect(at.left, at.top, at.width, at.height);
}

QRect InnerRect(const hostkit::SoftPicture& picture)
{
    const hostkit::PixelBounds at = picture.OuterPixels();
    const int32_t border = picture.BorderPixels();
    const gdi::PixelView view = picture.ImageView();
    return QRect(at.left + border, at.top + border, view.width, view.height);
}

void WidgetContainer::PropertyChanged(std::string_view name)
{
    // The control's Enabled is the widget's: a disabled widget takes no input either.
    if (name == "Enabled")
        widget_.setEnabled(widget_.graph().Enabled());
}

// The control's events, re-emitted as the widget's signals.
class GraphWidget::Events final : public OrvGraphEvents {
public:
    explicit Events(GraphWidget& widget)
        : widget_(widget)
    {
    }
    void FrameClick() override { emit widget_.frameClicked(); }
    void FrameMouseDown(int16_t& b, int16_t& s, double& x, double& y) override
    {
        emit widget_.frameMousePressed(b, s, x, y);
    }
    void FrameMouseMove(int16_t& b, int16_t& s, double& x, double& y) override
    {
        emit widget_.frameMouseMoved(b, s, x, y);
    }
    void FrameMouseUp(int16_t& b, int16_t& s, double& x, double& y) override
    {
        emit widget_.frameMouseReleased(b, s, x, y);
    }
    void InsideClick() override { emit widget_.insideClicked(); }
    void InsideMouseDown(int16_t& b, int16_t& s, double& x, double& y) override
    {
        emit widget_.insideMousePressed(b, s, x, y);
    }
    void InsideMouseMove(int16_t& b, int16_t& s, double& x, double& y) override
    {
        emit widget_.insideMouseMoved(b, s, x, y);
    }
    void InsideMouseUp(int16_t& b, int16_t& s, double& x, double& y) override
    {
        emit widget_.insideMouseReleased(b, s, x, y);
    }

private:
    GraphWidget& widget_;
};

GraphWidget::GraphWidget(QWidget* parent)
    : QWidget(parent)
    , parts_(std::make_unique<Parts>(*this))
{
    // The pictures paint every pixel of the widget themselves.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());
    parts_->zoomCheck.setSingleShot(true);
    parts_->zoomCheck.setInterval(0);
    connect(&parts_->zoomCheck, &QTimer::timeout, this, [this] { checkZoom(); });
    parts_->events = std::make_unique<Events>(*this);
    parts_->graph.SetEventSink(parts_->events.get());
    parts_->graph.InitProperties();
    parts_->graph.Resize();
    for (hostkit::SoftPicture* picture : { &parts_->frame, &parts_->inside }) {
        picture->ShowImageDirectly(true);
        picture->SetScreenChanged([this] { present(); });
    }
    parts_->boundsSeen = { graph().XMin(), graph().XMax(), graph().YMin(), graph().YMax() };
    parts_->stateSeen = graph().ZoomState();
}

GraphWidget::~GraphWidget()
{
    parts_->graph.SetEventSink(nullptr);
    for (hostkit::SoftPicture* picture : { &parts_->frame, &parts_->inside })
        picture->SetScreenChanged({});
}

OrvGraph& GraphWidget::graph() { return parts_->graph; }

QSize GraphWidget::sizeHint() const { return QSize(640, 480); }

void GraphWidget::loadProperties(const QString& path)
{
    JsonPropertyBag bag;
    bag.Load(path.toStdString());
    parts_->graph.ReadProperties(bag);
    parts_->graph.Resize();
    setEnabled(parts_->graph.Enabled());
}

void GraphWidget::saveProperties(const QString& path)
{
    JsonPropertyBag bag;
    parts_->graph.WriteProperties(bag);
    bag.Save(path.toStdString());
}

void GraphWidget::present()
{
    struct Shown {
        hostkit::SoftPicture& picture;
        ShownPlace& place;
    };
    for (Shown shown : { Shown { parts_->frame, parts_->frameShown },
             Shown { parts_->inside, parts_->insideShown } }) {
        const std::vector<hostkit::PixelRect> changes = shown.picture.TakeScreenChanges();
        const ShownPlace place { shown.picture.OuterPixels(), shown.picture.BorderPixels() };
        if (place != shown.place) {
            const auto Outer = [](const ShownPlace& p) {
                return QRect(p.outer.left, p.outer.top, p.outer.width, p.outer.height);
            };
            update(Outer(shown.place) | Outer(place));
            shown.place = place;
            continue;
        }
        const QPoint origin = InnerRect(shown.picture).topLeft();
        for (const hostkit::PixelRect& r : changes)
            update(
                QRect(origin.x() + r.left, origin.y() + r.top, r.right - r.left, r.bottom - r.top));
    }
    // A zoom the host made outside the widget's own handlers, which check after their work, is
    // seen once control returns to the event loop.
    if (!parts_->handlingInput && !parts_->zoomCheck.isActive())
        parts_->zoomCheck.start();
}

// Runs before every operation that may zoom, so that changes made meanwhile (a host's
// SetScale) are seen as the starting point, and after it.
void GraphWidget::checkZoom()
{
    const BoundsRecord now { graph().XMin(), graph().XMax(), graph().YMin(), graph().YMax() };
    const GraphZoomConstants state = graph().ZoomState();
    const BoundsRecord before = parts_->boundsSeen;
    const bool zoomedNow = now != before && (state != grzOff || parts_->stateSeen != grzOff);
    parts_->boundsSeen = now;
    parts_->stateSeen = state;
    if (!zoomedNow)
        return;
    // A pan is one entry, recorded when it ends.
    if (!parts_->panActive)
        parts_->history.Record(before, now);
    emit zoomed();
}

void GraphWidget::paintEvent(QPaintEvent* event)
{
    // Rectangle tests first: a pointer move repaints a few strips inside the plot, for which
    // region arithmetic would cost more than the pixels.
    QPainter painter(this);
    const QRegion& region = event->region();
    const QRect bounds = region.boundingRect();
    const QRect frame = OuterRect(parts_->frame);
    if (!frame.contains(bounds))
        for (const QRect& rect : region - frame)
            painter.fillRect(rect, SysColor(15));
    const QRect inside = OuterRect(parts_->inside);
    if (!inside.contains(bounds))
        PaintPicture(painter, parts_->frame, region - inside);
    if (inside.intersects(bounds))
        PaintPicture(painter, parts_->inside, region);
}

void GraphWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    parts_->graph.Resize();
}

void GraphWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && parts_->graph.Enabled() != isEnabled())
        parts_->graph.Enabled(isEnabled());
}

} // namespace vantrel::qt

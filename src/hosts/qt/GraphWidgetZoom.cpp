// GraphWidget's extensions: wheel zoom, panning, the zoom history and the snapping read-out,
// all through the control's ZoomUser and ZoomOff.
#include "GraphWidgetParts.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace vantrel::qt {

namespace {

// One wheel notch (120 eighths of a degree) forwards shows 80 % of the range.
constexpr double notchFactor = 0.8;

BoundsRecord Shown(const OrvGraph& graph)
{
    return { graph.XMin(), graph.XMax(), graph.YMin(), graph.YMax() };
}

// The ranges as pixel 0 to pixel extent shows them: X from XMin, Y from YMax (rows grow down).
void ZoomTo(OrvGraph& graph, AxisRange x, AxisRange y)
{
    graph.ZoomUser(std::min(x.first, x.last), std::min(y.first, y.last), std::max(x.first, x.last),
        std::max(y.first, y.last));
}

} // namespace

bool GraphWidget::wheelZoom() const { return parts_->wheelZoom; }
void GraphWidget::setWheelZoom(bool on) { parts_->wheelZoom = on; }
bool GraphWidget::panning() const { return parts_->panning; }
void GraphWidget::setPanning(bool on) { parts_->panning = on; }
bool GraphWidget::zoomHistoryKeys() const { return parts_->historyKeys; }
void GraphWidget::setZoomHistoryKeys(bool on) { parts_->historyKeys = on; }
bool GraphWidget::snapReadout() const { return parts_->snapReadout; }
void GraphWidget::setSnapReadout(bool on) { parts_->snapReadout = on; }

void GraphWidget::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    const int notches = delta.y() != 0 ? delta.y() : delta.x();
    if (!parts_->wheelZoom || notches == 0) {
        event->ignore();
        return;
    }
    checkZoom();
    OrvGraph& g = graph();
    const QPointF at = event->position() - QPointF(InnerRect(parts_->inside).topLeft());
    const double factor = std::pow(notchFactor, notches / 120.0);
    AxisRange x { g.XMin(), g.XMax() };
    AxisRange y { g.YMax(), g.YMin() };
    if (!(event->modifiers() & Qt::ShiftModifier))
        x = ScaleAbout(x, at.x(), g.GraphPixelWidth(), factor, g.XAxisType() == gatLog);
    if (!(event->modifiers() & Qt::ControlModifier))
        y = ScaleAbout(y, at.y(), g.GraphPixelHeight(), factor, g.YAxisType() == gatLog);
    ZoomTo(g, x, y);
    checkZoom();
    event->accept();
}

bool GraphWidget::panEvent(QMouseEvent* event)
{
    Parts& p = *parts_;
    if (!p.panning)
        return false;
    OrvGraph& g = graph();
    const QPointF at = event->position();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const bool gesture = event->button() == Qt::MiddleButton
            || (event->button() == Qt::LeftButton && p.spaceHeld);
        const hostkit::PixelBounds inside = p.inside.OuterPixels();
        if (p.panActive || !gesture
            || !QRectF(inside.left, inside.top, inside.width, inside.height).contains(at))
            return p.panActive;
        p.panActive = true;
        p.panStart = at;
        p.panBounds = Shown(g);
        return true;
    }
    case QEvent::MouseMove: {
        if (!p.panActive)
            return false;
        const QPointF moved = at - p.panStart;
        const BoundsRecord& b = p.panBounds;
        ZoomTo(g,
            ShiftBy({ b.XMin, b.XMax }, moved.x(), g.GraphPixelWidth(), g.XAxisType() == gatLog),
            ShiftBy({ b.YMax, b.YMin }, moved.y(), g.GraphPixelHeight(), g.YAxisType() == gatLog));
        checkZoom();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!p.panActive)
            return false;
        if (event->buttons() & (Qt::MiddleButton | Qt::LeftButton))
            return true;
        p.panActive = false;
        checkZoom();
        if (Shown(g) != p.panBounds)
            p.history.Record(p.panBounds, Shown(g));
        return true;
    default:
        return false;
    }
}

void GraphWidget::zoomBack()
{
    checkZoom();
    showHistoryEntry(parts_->history.Back());
}

void GraphWidget::zoomForward()
{
    checkZoom();
    showHistoryEntry(parts_->history.Forward());
}

void GraphWidget::showHistoryEntry(const std::optional<BoundsRecord>& bounds)
{
    if (bounds)
        graph().ZoomUser(bounds->XMin, bounds->YMin, bounds->XMax, bounds->YMax);
    // A step through the history is a zoom, but not a new entry of it.
    const BoundsRecord now = Shown(graph());
    const bool changed = now != parts_->boundsSeen;
    parts_->boundsSeen = now;
    parts_->stateSeen = graph().ZoomState();
    if (changed)
        emit zoomed();
}

void GraphWidget::zoomHome()
{
    checkZoom();
    graph().ZoomOff();
    checkZoom();
}

} // namespace vantrel::qt

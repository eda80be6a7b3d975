// GraphWidget: pointer input to the pictures, pointer shapes and the tooltip read-out.
#include "GraphWidgetParts.h"
#include "SnapReadout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <array>

namespace vantrel::qt {

namespace {

int16_t ButtonMask(Qt::MouseButtons buttons)
{
    return static_cast<int16_t>((buttons & Qt::LeftButton ? 1 : 0)
        | (buttons & Qt::RightButton ? 2 : 0) | (buttons & Qt::MiddleButton ? 4 : 0));
}

int16_t ShiftMask(Qt::KeyboardModifiers modifiers)
{
    return static_cast<int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0)
        | (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0));
}

Qt::CursorShape CursorFor(int16_t mousePointer)
{
    static constexpr std::array<Qt::CursorShape, 16> shapes { Qt::ArrowCursor, Qt::ArrowCursor,
        Qt::CrossCursor, Qt::IBeamCursor, Qt::ArrowCursor, Qt::SizeAllCursor, Qt::SizeBDiagCursor,
        Qt::SizeVerCursor, Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,
        Qt::WaitCursor, Qt::ForbiddenCursor, Qt::BusyCursor, Qt::WhatsThisCursor,
        Qt::SizeAllCursor };
    return mousePointer >= 0 && mousePointer < 16 ? shapes[static_cast<std::size_t>(mousePointer)]
                                                  : Qt::ArrowCursor;
}

// Marks the widget's own handling of an input event, so that zooms are checked once after it.
class InputScope {
public:
    explicit InputScope(bool& flag)
        : flag_(flag)
        , outer_(flag)
    {
        flag_ = true;
    }
    ~InputScope() { flag_ = outer_; }
    InputScope(const InputScope&) = delete;
    InputScope& operator=(const InputScope&) = delete;

private:
    bool& flag_;
    bool outer_;
};

} // namespace

// The picture that takes the pointer, and the position in its drawing coordinates.
GraphWidget::Parts::PicturePoint GraphWidget::Parts::Locate(const QPointF& pos)
{
    hostkit::SoftPicture* picture = captured;
    if (picture == nullptr) {
        const hostkit::PixelBounds at = inside.OuterPixels();
        const bool overInside = QRectF(at.left, at.top, at.width, at.height).contains(pos);
        picture = overInside ? &inside : &frame;
    }
    const QPoint origin = InnerRect(*picture).topLeft();
    return { picture, static_cast<float>(pos.x() - origin.x()),
        static_cast<float>(pos.y() - origin.y()) };
}

void GraphWidget::mousePressEvent(QMouseEvent* event)
{
    checkZoom();
    if (panEvent(event))
        return;
    if (parts_->historyKeys
        && (event->button() == Qt::BackButton || event->button() == Qt::ForwardButton)) {
        event->button() == Qt::BackButton ? zoomBack() : zoomForward();
        return;
    }
    const int16_t button = ButtonMask(event->button());
    if (button == 0) {
        event->ignore();
        return;
    }
    const Parts::PicturePoint at = parts_->Locate(event->position());
    parts_->captured = at.picture;
    const InputScope scope(parts_->handlingInput);
    at.picture->InjectMouseDown(button, ShiftMask(event->modifiers()), at.x, at.y);
    checkZoom();
}

void GraphWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The control knows no double click: the second press is a press.
    mousePressEvent(event);
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event)
{
    checkZoom();
    if (panEvent(event))
        return;
    const Parts::PicturePoint at = parts_->Locate(event->position());
    updateCursor(event->position());
    const InputScope scope(parts_->handlingInput);
    at.picture->InjectMouseMove(
        ButtonMask(event->buttons()), ShiftMask(event->modifiers()), at.x, at.y);
    if (at.picture == &parts_->inside)
        showReadout(event->globalPosition().toPoint());
    else if (!parts_->tipShown.isEmpty()) {
        QToolTip::hideText();
        parts_->tipShown.clear();
    }
    checkZoom();
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event)
{
    checkZoom();
    if (panEvent(event))
        return;
    const int16_t button = ButtonMask(event->button());
    if (button == 0 || parts_->captured == nullptr) {
        event->ignore();
        return;
    }
    const Parts::PicturePoint at = parts_->Locate(event->position());
    const InputScope scope(parts_->handlingInput);
    at.picture->InjectMouseUp(button, ShiftMask(event->modifiers()), at.x, at.y);
    if (ButtonMask(event->buttons()) == 0) {
        parts_->captured = nullptr;
        // The click of a left press and release over the same picture.
        const Parts::PicturePoint over = parts_->Locate(event->position());
        if (button == 1 && over.picture == at.picture)
            at.picture->InjectClick();
    }
    checkZoom();
    updateCursor(event->position());
}

void GraphWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (!parts_->tipShown.isEmpty()) {
        QToolTip::hideText();
        parts_->tipShown.clear();
    }
}

void GraphWidget::updateCursor(const QPointF& pos)
{
    const Parts::PicturePoint at = parts_->Locate(pos);
    const Qt::CursorShape shape = CursorFor(at.picture->MousePointer());
    if (cursor().shape() != shape)
        setCursor(shape);
}

void GraphWidget::showReadout(const QPoint& globalPos)
{
    QString text = QString::fromStdString(parts_->inside.ToolTipText());
    if (parts_->snapReadout) {
        const QPoint origin = InnerRect(parts_->inside).topLeft();
        const QPoint local = mapFromGlobal(globalPos) - origin;
        if (const std::optional<std::string> snapped
            = SnapText(parts_->snapper, graph(), local.x(), local.y()))
            text = QString::fromStdString(*snapped);
    }
    if (text == parts_->tipShown && (text.isEmpty() || QToolTip::isVisible()))
        return;
    parts_->tipShown = text;
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPos, text, this);
}

void GraphWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && parts_->panning) {
        parts_->spaceHeld = true;
        return;
    }
    if (parts_->historyKeys) {
        const bool alt = event->modifiers() & Qt::AltModifier;
        if (alt && event->key() == Qt::Key_Left)
            return zoomBack();
        if (alt && event->key() == Qt::Key_Right)
            return zoomForward();
        if (event->key() == Qt::Key_Home)
            return zoomHome();
    }
    QWidget::keyPressEvent(event);
}

void GraphWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        parts_->spaceHeld = false;
    QWidget::keyReleaseEvent(event);
}

} // namespace vantrel::qt

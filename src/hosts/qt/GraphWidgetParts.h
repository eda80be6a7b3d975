// What a GraphWidget holds: the container, the two software pictures, the control, and the
// state of input, presentation and the extensions.
#pragma once

#include "SeriesSnapper.h"
#include "ViewMath.h"
#include "ZoomHistory.h"

#include <QPointF>
#include <QRect>
#include <QString>
#include <QTimer>
#include <vantrel/OrvGraph.h>
#include <vantrel/hostkit/SoftPicture.h>
#include <vantrel/platform/ControlContainer.h>
#include <vantrel/qt/GraphWidget.h>

namespace vantrel::qt {

// The widget as the control's container: its size in logical pixels, 15 twips each.
class WidgetContainer final : public platform::ControlContainer {
public:
    static constexpr float twipsPerPixel = 15.0f;

    explicit WidgetContainer(GraphWidget& widget)
        : widget_(widget)
    {
    }
    float ScaleWidth() const override
    {
        return static_cast<float>(widget_.width()) * twipsPerPixel;
    }
    float ScaleHeight() const override
    {
        return static_cast<float>(widget_.height()) * twipsPerPixel;
    }
    bool UserMode() const override { return true; }
    void PropertyChanged(std::string_view name) override;
    float TwipsPerPixelX() const override { return twipsPerPixel; }
    float TwipsPerPixelY() const override { return twipsPerPixel; }

private:
    GraphWidget& widget_;
};

// Where a picture was last shown: a change of place or border repaints both places.
struct ShownPlace {
    hostkit::PixelBounds outer;
    int32_t border = 0;
    bool operator==(const ShownPlace&) const = default;
};

struct GraphWidget::Parts {
    explicit Parts(GraphWidget& widget)
        : container(widget)
        , graph(container, frame, inside)
    {
    }

    // A pointer position given to the picture that takes it, in its drawing coordinates.
    struct PicturePoint {
        hostkit::SoftPicture* picture;
        float x;
        float y;
    };
    PicturePoint Locate(const QPointF& pos);

    WidgetContainer container;
    hostkit::SoftPicture frame;
    hostkit::SoftPicture inside;
    OrvGraph graph;
    std::unique_ptr<OrvGraphEvents> events;

    ShownPlace frameShown;
    ShownPlace insideShown;

    // The picture pressed on, which receives the pointer until every button is up.
    hostkit::SoftPicture* captured = nullptr;
    QString tipShown;

    BoundsRecord boundsSeen;
    GraphZoomConstants stateSeen = grzOff;
    QTimer zoomCheck;
    // True while the widget's own input handlers run; they check for zooms themselves.
    bool handlingInput = false;
    ZoomHistory history;

    bool wheelZoom = false;
    bool panning = false;
    bool historyKeys = false;
    bool snapReadout = false;
    SeriesSnapper snapper;
    bool spaceHeld = false;
    // A pan in progress: where it started and the bounds shown then.
    bool panActive = false;
    QPointF panStart;
    BoundsRecord panBounds;
};

// The picture's place in widget coordinates, border included.
QRect OuterRect(const hostkit::SoftPicture& picture);
// The picture's inner area (drawing coordinates' origin) in widget coordinates.
QRect InnerRect(const hostkit::SoftPicture& picture);

} // namespace vantrel::qt

// The status bar's read-out: the pointer in axis units and the series point it snaps to.
#pragma once

#include <QLabel>
#include <hosts/qt/SeriesSnapper.h>
#include <vantrel/qt/GraphWidget.h>

namespace vantrel::view {

class PointerReadout : public QLabel {
    Q_OBJECT

public:
    explicit PointerReadout(qt::GraphWidget& graph, QWidget* parent = nullptr);

    // The text for the pointer at axis values (x, y); empty while the graph is not scaled.
    QString textAt(double x, double y);

private:
    qt::GraphWidget& graph_;
    qt::SeriesSnapper snapper_;
};

} // namespace vantrel::view

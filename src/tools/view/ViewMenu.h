// The View menu: zoom modes and history, wheel and pan, axes, grid, value text and colours.
#pragma once

#include "ViewSettings.h"

#include <QActionGroup>
#include <QColor>
#include <QMenu>
#include <QObject>
#include <QVector>
#include <vantrel/qt/GraphWidget.h>

namespace vantrel::view {

// Every choice goes through the control's own properties and operations, then Redraw where the
// control does not redraw by itself; the persisted ones are saved as they are made.
class ViewMenu : public QObject {
    Q_OBJECT

public:
    ViewMenu(qt::GraphWidget& graph, ViewSettings& settings, QMenu& menu);

    // After a file was drawn with its own axis formats: the remembered choices applied over
    // them (redrawing when one changed something), and the check marks set from the graph.
    void applyChoices();

    void setFrameColor(const QColor& color);
    void setPlotColor(const QColor& color);

    QAction* zoomBox;
    QAction* zoomHorizontal;
    QAction* zoomVertical;
    QAction* back;
    QAction* forward;
    QAction* home;
    QAction* wheelZoom;
    QAction* panning;
    QAction* logX;
    QAction* logY;
    QAction* gridLines;
    QAction* gridNotches;
    QAction* gridNone;
    QAction* formatNormal;
    QAction* formatPrefix;
    QAction* formatScientific;
    QVector<QAction*> precisions; // 1 .. 8 digits
    QAction* frameColor;
    QAction* plotColor;

private:
    void insideReleased(int button);
    void setGridStyle(int style);
    void setValueFormat(int format);
    void setPrecision(int digits);
    void setLogarithmic(bool xAxis, bool on);
    void syncChecks();
    void save();

    qt::GraphWidget& graph_;
    ViewSettings& settings_;
    ViewChoices choices_;
};

} // namespace vantrel::view

// The series dock: show or hide each series, its colour, width and name; the legend follows.
#pragma once

#include <QColor>
#include <QDockWidget>
#include <QTableWidget>
#include <vantrel/qt/GraphWidget.h>
#include <vector>

namespace vantrel::view {

class SeriesDock : public QDockWidget {
    Q_OBJECT

public:
    explicit SeriesDock(qt::GraphWidget& graph, QWidget* parent = nullptr);

    // Lists every data series of the graph's current data, panels in order.
    void showSeries();

    int count() const { return static_cast<int>(rows_.size()); }
    // Each changes the series (its Enabled, Color1, DrawWidth, Name) and the legend label that
    // names it, then redraws.
    void setShown(int row, bool on);
    void setColor(int row, const QColor& color);
    void setWidth(int row, int width);
    void setName(int row, const QString& name);

private:
    struct Row {
        Ref<XYItem_Data> series;
        Ref<XYItem_Label> legend; // null when the model has no legend label for it
    };
    void fillRow(int row);
    void chooseColor(int row);

    qt::GraphWidget& graph_;
    QTableWidget* table_;
    std::vector<Row> rows_;
    bool filling_ = false;
};

} // namespace vantrel::view

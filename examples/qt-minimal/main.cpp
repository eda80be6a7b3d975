// The smallest program that shows a graph in a window: a GraphWidget, a scale and a series.
#include <QApplication>
#include <cmath>
#include <vantrel/qt/GraphWidget.h>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vantrel::qt::GraphWidget widget; // a new control: default properties, 640 x 480
    widget.setWindowTitle("VantrelCtls");
    widget.setWheelZoom(true);
    widget.setZoomHistoryKeys(true);

    vantrel::OrvGraph& graph = widget.graph();
    graph.Clear();
    graph.SetScale(0.0, -1.2, 10.0, 1.2); // XMin, YMin, XMax, YMax
    std::vector<double> samples(1001);
    for (std::size_t k = 0; k < samples.size(); ++k)
        samples[k] = std::sin(0.01 * static_cast<double>(k) * 3.0);
    graph.DrawY(vantrel::gdtLine, 0.0, 0.01, vantrel::DoubleArray(samples), 1001, 0xC00000);

    // A left drag marks a region; releasing the button zooms to it.
    QObject::connect(&widget, &vantrel::qt::GraphWidget::insideMouseReleased,
        [&graph](int button, int, double, double) {
            if (button == 1)
                graph.ZoomBox();
        });
    widget.show();
    return app.exec();
}

// Pointer values with the axes' own value text, and the snapped point.
#include "PointerReadout.h"

#include <vantrel/ValueText.h>
#include <vantrel/vantrel.h>

namespace vantrel::view {

namespace {

QString Value(double value, int32_t format, int32_t precision, const std::string& units)
{
    return QString::fromStdString(FormatValue(value, format, precision) + units).trimmed();
}

} // namespace

PointerReadout::PointerReadout(qt::GraphWidget& graph, QWidget* parent)
    : QLabel(parent)
    , graph_(graph)
{
    setTextFormat(Qt::PlainText);
    connect(&graph_, &qt::GraphWidget::insideMouseMoved, this,
        [this](int, int, double x, double y) { setText(textAt(x, y)); });
}

QString PointerReadout::textAt(double x, double y)
{
    const OrvGraph& g = graph_.graph();
    const Ref<GraphData> data = g.CurrentData();
    if (!g.Scaled() || !data)
        return {};
    const auto X = [&](double v) {
        return Value(v, g.XAxisValueFormat(), g.XAxisValuePrecision(), g.XAxisUnits());
    };
    const auto Y = [&](double v) {
        return Value(v, g.YAxisValueFormat(), g.YAxisValuePrecision(), g.YAxisUnits());
    };
    QString text = tr("X %1   Y %2").arg(X(x), Y(y));
    try {
        const int32_t px = data->XAxis()->Design()->GetPixel(x);
        const int32_t py = data->YAxis()->Design()->GetPixel(y);
        if (const std::optional<qt::SnappedPoint> point = snapper_.Nearest(g, px, py))
            text += tr("      %1 [%2]: %3, %4")
                        .arg(QString::fromStdString(point->name))
                        .arg(point->index)
                        .arg(X(point->x), Y(point->y));
    } catch (const Error&) {
        // Far outside the plot: no point is near.
    }
    return text;
}

} // namespace vantrel::view

// The widget's properties: every persisted one through Q_PROPERTY and through the JSON bag.
#include "QtTestSupport.h"
#include "vantrel/ErrorOf.h"

#include <QCoreApplication>
#include <QMetaProperty>
#include <functional>
#include <gtest/gtest.h>
#include <vantrel/qt/GraphWidget.h>

namespace {

using vantrel::qt::GraphWidget;

// A value unlike the default for each property type the widget declares.
QVariant Changed(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return !value.toBool();
    case QMetaType::Int:
        return value.toInt() == 1 ? 0 : 1;
    case QMetaType::UInt:
        return value.toUInt() == 0x00123456u ? 0x00654321u : 0x00123456u;
    case QMetaType::Float:
        return value.toFloat() + 150.0f;
    case QMetaType::Double:
        return value.toDouble() == 2.0 ? 3.0 : 2.0;
    case QMetaType::QString:
        return value.toString() + QStringLiteral("µs");
    default:
        return {};
    }
}

// The 47 properties the widget declares itself, and QWidget's `enabled`, the control's Enabled.
std::vector<QMetaProperty> PersistedProperties(const QObject& object)
{
    const QMetaObject* meta = object.metaObject();
    std::vector<QMetaProperty> result;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        result.push_back(meta->property(i));
    result.push_back(meta->property(meta->indexOfProperty("enabled")));
    return result;
}

TEST(GraphWidgetPropertiesTest, FortyEightPropertiesRoundTripThroughQtAndTheBag)
{
    GraphWidget widget;
    const std::vector<QMetaProperty> properties = PersistedProperties(widget);
    ASSERT_EQ(properties.size(), 48u);
    for (const QMetaProperty& property : properties) {
        const QVariant changed = Changed(property.read(&widget));
        ASSERT_TRUE(changed.isValid()) << property.name();
        ASSERT_TRUE(property.write(&widget, changed)) << property.name();
        EXPECT_EQ(property.read(&widget), changed) << property.name();
    }
    // What Qt set, the control holds and writes: the JSON bag gives every value back.
    // One file per process: the suite runs at two device pixel ratios side by side.
    const QString path = QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/qt-properties-%1.json")
                             .arg(QCoreApplication::applicationPid());
    widget.saveProperties(path);
    GraphWidget loaded;
    loaded.loadProperties(path);
    for (const QMetaProperty& property : properties)
        EXPECT_EQ(property.read(&loaded), property.read(&widget)) << property.name();
}

TEST(GraphWidgetPropertiesTest, BadInputRaisesTheControlsErrorsAndChangesNothing)
{
    GraphWidget widget;
    widget.setXAxisName("Time");
    const struct {
        const char* label;
        std::function<void()> call;
        int32_t number;
    } rows[] = {
        { "appearance 2", [&] { widget.setFrameAppearance(2); }, 380 },
        { "draw width beyond 16 bits", [&] { widget.setDrawWidth(40000); }, 6 },
        { "missing file", [&] { widget.loadProperties("/nonexistent/graph.json"); }, 53 },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(vantrel::test::ErrorOf(row.call), row.number) << row.label;
    }
    EXPECT_EQ(widget.frameAppearance(), 1);
    EXPECT_EQ(widget.drawWidth(), 0);
    EXPECT_EQ(widget.xAxisName(), QStringLiteral("Time"));
}

} // namespace

// Saving and restoring the design-time properties through a property bag.
#include "SitedGraph.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <vantrel/Error.h>
#include <vantrel/JsonPropertyBag.h>
#include <vantrel/MemoryPropertyBag.h>

using namespace vantrel;
using vantrel::testing::SitedGraph;

namespace {

// Reading a bag without entries gives every default: writing the control back into a bag that
// leaves out defaults stores nothing.
TEST(OrvGraphPersistence, EmptyBagGivesTheDefaultsAndDesignerModeDoesNotClear)
{
    for (bool userMode : { true, false }) {
        SitedGraph s(577, 450, userMode);
        MemoryPropertyBag empty;
        s.graph.ReadProperties(empty);
        MemoryPropertyBag written;
        s.graph.WriteProperties(written);
        EXPECT_EQ(written.Count(), 0) << userMode;
        EXPECT_EQ(bool(s.graph.CurrentData()), userMode) << "run mode ends with Clear";
    }
}

struct ReadCase {
    const char* label;
    const char* key;
    Variant stored;
    std::function<bool(const OrvGraph&)> check;
};

TEST(OrvGraphPersistence, ReadValuesAreConvertedAndCheckedByTheSetters)
{
    const ReadCase cases[] = {
        { "refused interval keeps the creation value", "CubicFitInterval", Variant(20.0),
            [](const OrvGraph& g) { return g.CubicFitInterval() == 0.0; } },
        { "refused width keeps the creation value", "DrawWidth", Variant(int16_t { -2 }),
            [](const OrvGraph& g) { return g.DrawWidth() == 0; } },
        { "radius rounds to nearest", "CircleRadius", Variant(2.6),
            [](const OrvGraph& g) { return g.CircleRadius() == 3; } },
        { "radius ties to even", "CircleRadius", Variant(4.5),
            [](const OrvGraph& g) { return g.CircleRadius() == 4; } },
        { "numeric text", "DrawMode", Variant(std::string("6")),
            [](const OrvGraph& g) { return g.DrawMode() == 6; } },
        { "Boolean from a number", "KeepData", Variant(int32_t { 0 }),
            [](const OrvGraph& g) { return !g.KeepData(); } },
        { "name read under another case", "xaxisname", Variant(std::string("Hz")),
            [](const OrvGraph& g) { return g.XAxisName() == "Hz"; } },
    };
    for (const auto& c : cases) {
        SitedGraph s;
        MemoryPropertyBag bag;
        bag.Set(c.key, c.stored);
        s.graph.ReadProperties(bag);
        EXPECT_TRUE(c.check(s.graph)) << c.label;
    }
}

TEST(OrvGraphPersistence, AConversionErrorStopsReadingBeforeClear)
{
    // Text that is no number, then a number beyond the 16-bit width.
    for (const int32_t number : { 13, 6 }) {
        SitedGraph s;
        MemoryPropertyBag bag;
        bag.Set(
            "DrawWidth", number == 13 ? Variant(std::string("wide")) : Variant(int32_t { 40000 }));
        try {
            s.graph.ReadProperties(bag);
            ADD_FAILURE() << "no error for error " << number;
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), number);
        }
        EXPECT_EQ(s.graph.DrawMode(), 13) << "entries before it were read";
        EXPECT_FALSE(s.graph.FrameEnabled()) << "entries after it were not";
        EXPECT_FALSE(s.graph.CurrentData());
    }
}

TEST(OrvGraphPersistence, PictureBackedPropertiesAreWrittenAsThePicturesReport)
{
    SitedGraph s;
    s.Init();
    s.inside.Enabled(false);
    s.frame.Appearance(0);
    MemoryPropertyBag bag;
    s.graph.WriteProperties(bag);
    EXPECT_EQ(bag.Get("Enabled"), Variant(false));
    EXPECT_EQ(bag.Get("FrameAppearance"), Variant(int32_t { 0 }));
}

} // namespace

namespace {

// Every persisted property away from its default, so that each of the 48 entries is written.
void SetEveryPropertyAwayFromDefault(OrvGraph& g)
{
    g.FrameAppearance(graFlat);
    g.InsideAppearance(graFlat);
    g.FrameMousePointer(1);
    g.InsideMousePointer(99);
    g.FrameForeColor(0x102030);
    g.FrameBackColor(0x405060);
    g.InsideBackColor(0x80000008u);
    g.Enabled(false);
    g.KeepData(false);
    g.ZoomEnabled(false);
    g.DrawStyle(2);
    g.DrawMode(7);
    g.DrawWidth(3);
    g.FrameEnabled(false);
    g.FrameLeft(900.25f);
    g.FrameRight(300.5f);
    g.FrameTop(750.75f);
    g.FrameBottom(120.0f);
    g.XAxisType(gatLog);
    g.XGridStyle(ggsNotches);
    g.XGridLines(7);
    g.XGridColor(0x0000FF);
    g.XAxisName("Frequency");
    g.XAxisUnits("Hz");
    g.XAxisValues(false);
    g.XAxisToolTip(false);
    g.XAxisValuePrecision(1);
    g.XAxisValueFormat(gavPrefix);
    g.XOrigin(0.1);
    g.XOriginColor(0x00FF00);
    g.XOriginStyle(ggsNone);
    g.YAxisType(gatLog);
    g.YGridStyle(ggsNone);
    g.YGridLines(4);
    g.YGridColor(0xFF0000);
    g.YAxisName("Gain");
    g.YAxisUnits("dB");
    g.YAxisValues(false);
    g.YAxisToolTip(false);
    g.YAxisValuePrecision(-2);
    g.YAxisValueFormat(gavScientific);
    g.YOrigin(-1e300);
    g.YOriginColor(0x123456);
    g.YOriginStyle(ggsNotches);
    g.CirclePoints(true);
    g.CircleRadius(12);
    g.CubicFit(true);
    g.CubicFitInterval(2.5);
}

TEST(OrvGraphPersistence, EveryPropertySurvivesAMemoryBagAndAJsonFile)
{
    SitedGraph original;
    original.Init();
    SetEveryPropertyAwayFromDefault(original.graph);
    const auto written = vantrel::testing::PersistedEntries(original.graph);
    ASSERT_EQ(written.size(), 48u);
    // Keys in order, values in their written types (which may differ from the property's).
    EXPECT_EQ(written[0].first, "FrameAppearance");
    EXPECT_EQ(written[22].first, "XAxisName");
    EXPECT_EQ(written[47].first, "CubicFitInterval");
    EXPECT_EQ(written[6].second, Variant(int32_t(0x80000008u)));
    EXPECT_EQ(written[12].second, Variant(int16_t { 3 }));
    EXPECT_EQ(written[14].second, Variant(900.25f));
    EXPECT_EQ(written[28].second, Variant(0.1));
    EXPECT_EQ(written[45].second, Variant(int32_t { 12 }));

    const std::string path = std::string(VANTREL_TEST_OUTPUT_DIR) + "/control-properties.json";
    JsonPropertyBag json;
    original.graph.WriteProperties(json);
    json.Save(path);
    JsonPropertyBag fromFile;
    fromFile.Load(path);
    std::filesystem::remove(path);

    for (PropertyBag* bag :
        { static_cast<PropertyBag*>(&json), static_cast<PropertyBag*>(&fromFile) }) {
        SitedGraph restored;
        restored.graph.ReadProperties(*bag);
        EXPECT_EQ(vantrel::testing::PersistedEntries(restored.graph), written);
    }
}

} // namespace

// Saving and restoring the design-time properties through a property bag.
#include "SitedGraph.h"
#include "vantrel/ErrorOf.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
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
        EXPECT_EQ(test::ErrorOf([&] { s.graph.ReadProperties(bag); }), number);
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

TEST(OrvGraphPersistence, EveryPropertySurvivesAMemoryBagAndAJsonFile)
{
    // Every persisted property away from its default, so that each of the 48 entries is written.
    using S = std::string;
    const std::pair<const char*, Variant> entries[] = { { "FrameAppearance", 0 },
        { "InsideAppearance", 0 }, { "FrameMousePointer", 1 }, { "InsideMousePointer", 99 },
        { "FrameForeColor", 0x102030 }, { "FrameBackColor", 0x405060 },
        { "InsideBackColor", int32_t(0x80000008u) }, { "Enabled", false }, { "KeepData", false },
        { "ZoomEnabled", false }, { "DrawStyle", 2 }, { "DrawMode", 7 }, { "DrawWidth", 3 },
        { "FrameEnabled", false }, { "FrameLeft", 900.25f }, { "FrameRight", 300.5f },
        { "FrameTop", 750.75f }, { "FrameBottom", 120.0f }, { "XAxisType", 1 }, { "XGridStyle", 2 },
        { "XGridLines", 7 }, { "XGridColor", 0x0000FF }, { "XAxisName", S("Frequency") },
        { "XAxisUnits", S("Hz") }, { "XAxisValues", false }, { "XAxisToolTip", false },
        { "XAxisValuePrecision", 1 }, { "XAxisValueFormat", 1 }, { "XOrigin", 0.1 },
        { "XOriginColor", 0x00FF00 }, { "XOriginStyle", 0 }, { "YAxisType", 1 },
        { "YGridStyle", 0 }, { "YGridLines", 4 }, { "YGridColor", 0xFF0000 },
        { "YAxisName", S("Gain") }, { "YAxisUnits", S("dB") }, { "YAxisValues", false },
        { "YAxisToolTip", false }, { "YAxisValuePrecision", -2 }, { "YAxisValueFormat", 2 },
        { "YOrigin", -1e300 }, { "YOriginColor", 0x123456 }, { "YOriginStyle", 2 },
        { "CirclePoints", true }, { "CircleRadius", 12 }, { "CubicFit", true },
        { "CubicFitInterval", 2.5 } };
    MemoryPropertyBag away;
    for (const auto& [key, value] : entries)
        away.Set(key, value);
    SitedGraph original;
    original.graph.ReadProperties(away);
    const auto written = vantrel::testing::PersistedEntries(original.graph);
    ASSERT_EQ(written.size(), 48u);

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

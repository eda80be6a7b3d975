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

// Records every write with its default, in order.
class RecordingBag : public PropertyBag {
public:
    struct Write {
        std::string key;
        Variant value;
        Variant defaultValue;
    };

    Variant ReadProperty(std::string_view, const Variant& defaultValue) override
    {
        return defaultValue;
    }
    void WriteProperty(
        std::string_view key, const Variant& value, const Variant& defaultValue) override
    {
        writes.push_back({ std::string(key), value, defaultValue });
    }

    std::vector<Write> writes;
};

TEST(OrvGraphPersistence, WritesFortyEightEntriesInTheirTypes)
{
    SitedGraph s;
    s.Init();
    RecordingBag bag;
    s.graph.WriteProperties(bag);
    ASSERT_EQ(bag.writes.size(), 48u);
    EXPECT_EQ(bag.writes[0].key, "FrameAppearance");
    EXPECT_EQ(bag.writes[22].key, "XAxisName");
    EXPECT_EQ(bag.writes[47].key, "CubicFitInterval");
    // Written type, default type: a few entries whose two types differ.
    EXPECT_EQ(bag.writes[5].value, Variant(int32_t(0x80000005u)));
    EXPECT_EQ(bag.writes[12].value, Variant(int16_t { 0 }));
    EXPECT_EQ(bag.writes[20].defaultValue, Variant(int16_t { 10 }));
    EXPECT_EQ(bag.writes[28].value, Variant(0.0));
    EXPECT_EQ(bag.writes[28].defaultValue, Variant(int16_t { 0 }));
    EXPECT_EQ(bag.writes[45].value, Variant(int32_t { 3 }));
    EXPECT_EQ(bag.writes[45].defaultValue, Variant(3.0));
}

TEST(OrvGraphPersistence, RoundTripGivesAnInitialisedControlWithCurrentData)
{
    SitedGraph original;
    original.Init();
    original.graph.XAxisName("Time");
    original.graph.YAxisUnits("V");
    original.graph.DrawMode(7);
    original.graph.FrameLeft(900.5f);
    MemoryPropertyBag bag;
    original.graph.WriteProperties(bag);

    SitedGraph restored;
    restored.graph.ReadProperties(bag);
    EXPECT_EQ(restored.graph.XAxisName(), "Time");
    EXPECT_EQ(restored.graph.YAxisUnits(), "V");
    EXPECT_EQ(restored.graph.DrawMode(), 7);
    EXPECT_EQ(restored.graph.FrameLeft(), 900.5f);
    EXPECT_EQ(restored.graph.CircleRadius(), 3);
    EXPECT_EQ(restored.graph.InsideMousePointer(), 2);
    EXPECT_TRUE(restored.graph.CurrentData()) << "run mode ends with Clear";
}

TEST(OrvGraphPersistence, EmptyBagGivesTheDefaults)
{
    SitedGraph s;
    MemoryPropertyBag bag;
    s.graph.ReadProperties(bag);
    EXPECT_EQ(s.graph.XGridLines(), 10);
    EXPECT_EQ(s.graph.CubicFitInterval(), 1.0);
    EXPECT_EQ(s.graph.FrameBackColor(), 0x80000005u);
    EXPECT_TRUE(s.graph.ZoomEnabled());
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
    const std::pair<Variant, int32_t> bad[] = {
        { Variant(std::string("wide")), 13 },
        { Variant(int32_t { 40000 }), 6 },
    };
    for (const auto& [stored, number] : bad) {
        SitedGraph s;
        MemoryPropertyBag bag;
        bag.Set("DrawWidth", stored);
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

TEST(OrvGraphPersistence, DesignerModeDoesNotClear)
{
    SitedGraph s(577, 450, false);
    MemoryPropertyBag bag;
    s.graph.ReadProperties(bag);
    EXPECT_FALSE(s.graph.CurrentData());
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

std::vector<MemoryPropertyBag::Entry> Saved(OrvGraph& g)
{
    MemoryPropertyBag bag;
    g.WriteProperties(bag);
    return bag.Entries();
}

void ExpectSameEntries(
    const std::vector<MemoryPropertyBag::Entry>& a, const std::vector<MemoryPropertyBag::Entry>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].Key, b[i].Key);
        EXPECT_EQ(a[i].Value, b[i].Value) << a[i].Key;
    }
}

TEST(OrvGraphPersistence, EveryPropertySurvivesAWriteAndARead)
{
    SitedGraph original;
    original.Init();
    SetEveryPropertyAwayFromDefault(original.graph);
    const auto written = Saved(original.graph);
    ASSERT_EQ(written.size(), 48u);

    SitedGraph restored;
    MemoryPropertyBag bag;
    original.graph.WriteProperties(bag);
    restored.graph.ReadProperties(bag);
    ExpectSameEntries(Saved(restored.graph), written);
}

TEST(OrvGraphPersistence, EveryPropertySurvivesAJsonFile)
{
    SitedGraph original;
    original.Init();
    SetEveryPropertyAwayFromDefault(original.graph);
    const std::string path = std::string(VANTREL_TEST_OUTPUT_DIR) + "/control-properties.json";
    JsonPropertyBag out;
    original.graph.WriteProperties(out);
    out.Save(path);

    JsonPropertyBag in;
    in.Load(path);
    SitedGraph restored;
    restored.graph.ReadProperties(in);
    ExpectSameEntries(Saved(restored.graph), Saved(original.graph));
    std::filesystem::remove(path);
}

} // namespace

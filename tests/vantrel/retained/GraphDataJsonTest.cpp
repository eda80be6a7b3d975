// GraphData JSON: random models round trip exactly and draw the same pixels; files are written
// whole or not at all.
#include "support/RandomModel.h"
#include "vantrel/ErrorOf.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <vantrel/Error.h>
#include <vantrel/GraphDataJson.h>

namespace vantrel {
namespace {

using testsupport::DrawnScreen;
using testsupport::RandomModel;

std::string Text(const Ref<GraphData>& data)
{
    std::ostringstream out;
    WriteGraphDataJson(data, out);
    return out.str();
}

Ref<GraphData> Read(const std::string& text)
{
    std::istringstream in(text);
    return ReadGraphDataJson(in);
}

std::string OutputPath(const std::string& name)
{
    return std::string(VANTREL_TEST_OUTPUT_DIR) + "/" + name;
}

// The writer writes every property, so equal texts after a reload mean equal models.
TEST(GraphDataJson, RandomModelsRoundTripExactly)
{
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Ref<GraphData> original = RandomModel(seed).Make(false);
        const std::string text = Text(original);
        const Ref<GraphData> loaded = Read(text);
        ASSERT_EQ(Text(loaded), text);
        // Lists are rebuilt through the public operations, so the per-kind counts agree too.
        for (int32_t p = 1; p <= loaded->PanelList()->Count(); ++p) {
            const auto a = original->PanelList()->Item(p);
            const auto b = loaded->PanelList()->Item(p);
            for (int32_t k = 0; k < 4; ++k)
                ASSERT_EQ(a->TypeCounts(k), b->TypeCounts(k));
        }
    }
}

TEST(GraphDataJson, SpecialValuesKeepTheirBits)
{
    const std::vector<uint64_t> bits { 0x7FF8000000000000ull, 0xFFF8000000000000ull,
        0x7FF0000000000001ull, 0x7FF4000000000abcull, 0x7FF0000000000000ull, 0xFFF0000000000000ull,
        0x8000000000000000ull, 0x0000000000000001ull, 0x000FFFFFFFFFFFFFull,
        0x7FEFFFFFFFFFFFFFull };
    // 1000 values make base64 long enough to be lifted out of the text before parsing.
    for (const std::size_t count : { bits.size(), std::size_t { 100 }, std::size_t { 1000 } }) {
        SCOPED_TRACE(std::to_string(count) + " values");
        std::vector<double> values;
        for (std::size_t i = 0; i < count; ++i)
            values.push_back(std::bit_cast<double>(bits[i % bits.size()]));
        auto data = std::make_shared<GraphData>();
        auto panel = std::make_shared<PanelData>();
        panel->CreateData(DoubleArray(values, -7), DoubleArray(values, 3), 0, gdtLine);
        auto label = panel->CreateLabel(values[2], values[6], "x");
        data->PanelList()->Add(panel);
        const Ref<XYItem_Data> series = Read(Text(data))->PanelList()->Item(1)->Data(1);
        ASSERT_EQ(series->XArray().LBound(), -7);
        ASSERT_EQ(series->YArray().LBound(), 3);
        for (int32_t i = 0; i < static_cast<int32_t>(count); ++i) {
            ASSERT_EQ(std::bit_cast<uint64_t>(series->X(i - 7)), bits[i % bits.size()]) << i;
            ASSERT_EQ(std::bit_cast<uint64_t>(series->Y(i + 3)), bits[i % bits.size()]) << i;
        }
    }
}

TEST(GraphDataJson, ReloadedModelsDrawTheSamePixels)
{
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Ref<GraphData> original = RandomModel(seed).Make(true);
        const Ref<GraphData> loaded = Read(Text(original));
        ASSERT_EQ(DrawnScreen(loaded, 200, 150), DrawnScreen(original, 200, 150));
    }
}

TEST(GraphDataJson, FailedSaveLeavesTheOldFile)
{
    const std::string path = OutputPath("kept.json");
    const Ref<GraphData> original = RandomModel(3).Make(false);
    SaveGraphData(original, path);
    EXPECT_EQ(Text(LoadGraphData(path)), Text(original));
    // The temporary file is gone after the rename.
    for (const auto& entry : std::filesystem::directory_iterator(VANTREL_TEST_OUTPUT_DIR))
        EXPECT_EQ(entry.path().string().find("kept.json."), std::string::npos) << entry.path();
    auto unsavable = std::make_shared<GraphData>();
    unsavable->Tag(Object(std::make_shared<int>(1)));
    EXPECT_EQ(test::ErrorOf([&] { SaveGraphData(unsavable, path); }), errTypeMismatch);
    EXPECT_EQ(Text(LoadGraphData(path)), Text(original));
    EXPECT_EQ(
        test::ErrorOf([&] { SaveGraphData(original, OutputPath("no-such-folder/x.json")); }), 75);
}

TEST(GraphDataJson, FileErrors)
{
    struct Row {
        const char* label;
        std::string path;
        int32_t number;
    };
    const Row rows[] = {
        { "missing file", OutputPath("does-not-exist.json"), 53 },
        { "a folder", VANTREL_TEST_OUTPUT_DIR, 75 },
    };
    for (const Row& row : rows) {
        std::string message;
        EXPECT_EQ(test::ErrorOf([&] { LoadGraphData(row.path); }, message), row.number)
            << row.label;
        EXPECT_NE(message.find(row.path), std::string::npos) << row.label;
    }
    EXPECT_THROW(SaveGraphData(nullptr, OutputPath("null.json")), Error);
}

} // namespace
} // namespace vantrel

// The off-screen host: screen composition, pixel access, PNG output, input and audits.

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>
#include <vantrel/Error.h>
#include <vantrel/HeadlessHost.h>
#include <vantrel/MemoryPropertyBag.h>
#include <vantrel/hostkit/PngFiles.h>

using namespace vantrel;

namespace {

TEST(HeadlessHost, ComposesTheInsidePictureInFrontOfTheFrame)
{
    HeadlessHost host(200, 150);
    host.InitNew();
    host.Graph().FrameBackColor(0x0000FF);
    host.Graph().InsideBackColor(0xFF0000);
    // Default margins: 80 pixels left and top, 32 right and bottom; 3-D borders of 2 pixels.
    EXPECT_EQ(host.ScreenPixel(10, 10), 0x0000FFu) << "frame margin";
    EXPECT_EQ(host.ScreenPixel(100, 100), 0xFF0000u) << "plot area";
    EXPECT_NE(host.ScreenPixel(80, 100), 0xFF0000u) << "plot area border";
    EXPECT_EQ(host.InsidePixel(0, 0), 0xFF0000u);
    EXPECT_EQ(host.FramePixel(0, 0), 0x0000FFu);
    EXPECT_EQ(host.ScreenPixel(200, 0), 0xFFFFFFFFu);
}

TEST(HeadlessHost, SavesTheScreenAsPng)
{
    HeadlessHost host(120, 90);
    host.InitNew();
    host.Graph().InsideBackColor(0x00FF00);
    const std::string path = std::string(VANTREL_TEST_OUTPUT_DIR) + "/headless-screen.png";
    host.SavePng(path);
    const gdi::Pixmap image = hostkit::ReadPng(path);
    ASSERT_EQ(image.Width(), 120);
    ASSERT_EQ(image.Height(), 90);
    for (int32_t y = 0; y < 90; y += 7)
        for (int32_t x = 0; x < 120; x += 7)
            ASSERT_EQ(image.At(x, y), host.ScreenPixel(x, y)) << x << "," << y;
    std::filesystem::remove(path);
    EXPECT_THROW(host.SavePng("/nonexistent-dir/x.png"), Error);
}

TEST(HeadlessHost, SaveAndLoadGoThroughTheBag)
{
    HeadlessHost first;
    first.InitNew();
    first.Graph().YAxisName("Voltage");
    MemoryPropertyBag bag;
    first.Save(bag);
    EXPECT_TRUE(bag.Contains("yaxisname"));

    HeadlessHost second(300, 200);
    second.Load(bag);
    EXPECT_EQ(second.Graph().YAxisName(), "Voltage");
    EXPECT_TRUE(second.Graph().CurrentData());
    EXPECT_EQ(second.Graph().FramePixelWidth(), 300 - 4);
}

} // namespace

namespace {

// Fault: a negative size was kept (ResizePixels raised 380 after taking it) and SavePng and
// ScreenPixel then threw std::length_error; ScreenPixel(INT32_MIN, 0) overflowed. Sizes a picture
// cannot hold are refused with 7 before anything changes.
TEST(HeadlessHost, FaultNegativeOrHugeSizesAreRefusedAndEveryPositionIsSafe)
{
    const std::tuple<const char*, int32_t, int32_t, int32_t> rows[] = {
        { "negative height", 10, -10, 380 },
        { "negative width", -10, 10, 380 },
        { "most negative", INT32_MIN, INT32_MIN, 380 },
        { "30000 x 30000", 30000, 30000, 7 },
        { "too wide", 40000, 10, 7 },
        { "largest", INT32_MAX, INT32_MAX, 7 },
    };
    HeadlessHost host(120, 90);
    host.InitNew();
    const std::string path = std::string(VANTREL_TEST_OUTPUT_DIR) + "/headless-limits.png";
    for (const auto& [label, width, height, number] : rows) {
        SCOPED_TRACE(label);
        try {
            HeadlessHost refused(width, height);
            ADD_FAILURE() << "constructed";
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), number);
        }
        try {
            host.ResizePixels(width, height);
            ADD_FAILURE() << "resized";
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), number);
        }
        EXPECT_NO_THROW(host.SavePng(path));
        EXPECT_EQ(hostkit::ReadPng(path).Width(), 120) << "the size stays";
    }
    for (const int32_t far : { INT32_MIN, INT32_MIN + 1, -1, 120, INT32_MAX }) {
        EXPECT_EQ(host.ScreenPixel(far, 0), 0xFFFFFFFFu) << far;
        EXPECT_EQ(host.ScreenPixel(0, far), 0xFFFFFFFFu) << far;
        EXPECT_EQ(host.InsidePixel(far, far), 0xFFFFFFFFu) << far;
    }
    host.ResizePixels(0, 0);
    EXPECT_EQ(host.ScreenPixel(0, 0), 0xFFFFFFFFu);
    EXPECT_THROW(host.SavePng(path), Error) << "a PNG file has at least one pixel";
}

} // namespace

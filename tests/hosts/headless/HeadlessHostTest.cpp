// The off-screen host: screen composition and the sizes it refuses.
#include "vantrel/ErrorOf.h"

#include <climits>
#include <gtest/gtest.h>
#include <tuple>
#include <vantrel/Error.h>
#include <vantrel/HeadlessHost.h>
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
        EXPECT_EQ(test::ErrorOf([&] { HeadlessHost refused(width, height); }), number);
        EXPECT_EQ(test::ErrorOf([&] { host.ResizePixels(width, height); }), number);
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

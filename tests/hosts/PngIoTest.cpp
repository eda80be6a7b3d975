// PNG files: exact round trip of 32-bit images with a stride, and clear failures.
#include "HostsTestSupport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vantrel/hostkit/PngFiles.h>

namespace {

using hoststest::ErrorOf;
using hoststest::OutputPath;

using vantrel::hostkit::ReadPng;
using vantrel::hostkit::WritePng;

TEST(PngIo, RoundTripIsExactAndIgnoresTheTopByte)
{
    const uint32_t seed = 20240611;
    std::mt19937 random(seed);
    struct Size {
        int32_t width, height, stride;
    };
    for (const Size size : { Size { 1, 1, 1 }, Size { 7, 5, 9 }, Size { 200, 150, 200 } }) {
        std::vector<uint32_t> buffer(static_cast<std::size_t>(size.stride) * size.height);
        for (uint32_t& pixel : buffer)
            pixel = random();
        const std::string path = OutputPath("roundtrip.png");
        WritePng(path, gdi::PixelView { buffer.data(), size.width, size.height, size.stride });

        const gdi::Pixmap image = ReadPng(path);
        ASSERT_EQ(image.Width(), size.width);
        ASSERT_EQ(image.Height(), size.height);
        for (int32_t y = 0; y < size.height; ++y)
            for (int32_t x = 0; x < size.width; ++x)
                ASSERT_EQ(image.At(x, y), buffer[y * size.stride + x] & 0x00FFFFFFu)
                    << "seed " << seed << ", " << size.width << "x" << size.height << " at " << x
                    << "," << y;
    }
}

TEST(PngIo, FailuresNameTheFile)
{
    uint32_t pixel = 0;
    const std::string notPng = OutputPath("not_a_png.png");
    {
        std::ofstream out(notPng, std::ios::binary);
        out << "plain text, not an image";
    }
    struct Row {
        const char* label;
        std::function<void()> action;
        int32_t number;
        std::string inMessage;
    };
    const Row rows[] = {
        { "missing folder",
            [&] {
                WritePng(OutputPath("no_such_folder/x.png"), { &pixel, 1, 1, 1 });
            },
            75, "no_such_folder/x.png" },
        { "zero width",
            [&] {
                WritePng(OutputPath("zero.png"), { &pixel, 0, 1, 1 });
            },
            5, "zero.png" },
        { "missing file", [] { ReadPng(OutputPath("missing.png")); }, 53, "missing.png" },
        { "not a PNG", [&] { ReadPng(notPng); }, 75, "not_a_png.png" },
    };
    for (const Row& row : rows) {
        std::string message;
        EXPECT_EQ(ErrorOf(row.action, message), row.number) << row.label;
        EXPECT_NE(message.find(row.inMessage), std::string::npos) << row.label << ": " << message;
    }
}

} // namespace

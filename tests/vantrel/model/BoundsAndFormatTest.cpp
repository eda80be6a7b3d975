// GraphBounds and AxisFormat: argument order, value copies, refused sources and GridLines.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>
#include <vantrel/AxisFormat.h>
#include <vantrel/GraphBounds.h>

using namespace vantrel;
using vantrel::test::ErrorOf;

namespace {

TEST(GraphBounds, InitializeTakesXMinYMinXMaxYMaxAndNeverReorders)
{
    GraphBounds bounds;
    bounds.Initialize(5, 2, 1, 4);
    EXPECT_EQ(bounds.GetRecord(), (BoundsRecord { 5, 1, 2, 4 }));
}

TEST(BoundsAndFormat, CopyIsByValueAndAnAbsentSourceRaises91)
{
    auto bounds = std::make_shared<GraphBounds>();
    bounds->Initialize(1, 2, 3, 4);
    GraphBounds boundsCopy;
    boundsCopy.Copy(bounds);
    bounds->XMin(-7);
    EXPECT_EQ(boundsCopy.GetRecord(), (BoundsRecord { 1, 3, 2, 4 }));
    EXPECT_EQ(ErrorOf([&] { boundsCopy.Copy(nullptr); }), 91);
    EXPECT_EQ(boundsCopy.GetRecord(), (BoundsRecord { 1, 3, 2, 4 }));

    auto format = std::make_shared<AxisFormat>();
    format->Name("time");
    format->Units("s");
    format->GridLines(4);
    format->ValueFormat(static_cast<GraphAxisValueFormatConstants>(9));
    AxisFormat formatCopy;
    formatCopy.Copy(format);
    const AxisFormatRecord copied = formatCopy.GetRecord();
    EXPECT_EQ(copied, format->GetRecord());
    format->Units("ms");
    EXPECT_EQ(ErrorOf([&] { formatCopy.Copy(nullptr); }), 91);
    EXPECT_EQ(formatCopy.GetRecord(), copied);
}

TEST(AxisFormat, GridLinesIgnoresValuesBelowOne)
{
    const struct {
        const char* label;
        int32_t value, stored;
    } cases[] = {
        { "zero ignored", 0, 10 },
        { "negative ignored", -4, 10 },
        { "lowest Long ignored", INT32_MIN, 10 },
        { "one stored", 1, 1 },
        { "highest Long stored", INT32_MAX, INT32_MAX },
    };
    for (const auto& c : cases) {
        AxisFormat format;
        format.GridLines(c.value);
        EXPECT_EQ(format.GridLines(), c.stored) << c.label;
    }
}

} // namespace

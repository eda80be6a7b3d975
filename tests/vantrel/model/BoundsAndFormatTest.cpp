// GraphBounds and AxisFormat: argument order, value copies, refused sources and GridLines.
#include <gtest/gtest.h>
#include <vantrel/AxisFormat.h>
#include <vantrel/Error.h>
#include <vantrel/GraphBounds.h>

using namespace vantrel;

namespace {

TEST(GraphBounds, InitializeTakesXMinYMinXMaxYMax)
{
    GraphBounds bounds;
    EXPECT_EQ(bounds.GetRecord(), BoundsRecord {});
    bounds.Initialize(1, 2, 3, 4);
    EXPECT_EQ(bounds.GetRecord(), (BoundsRecord { 1, 3, 2, 4 }));
    // Never reordered.
    bounds.Initialize(5, 0, 1, 0);
    EXPECT_EQ(bounds.XMin(), 5);
    EXPECT_EQ(bounds.XMax(), 1);
}

TEST(GraphBounds, CopyIsByValue)
{
    auto a = std::make_shared<GraphBounds>();
    a->Initialize(1, 2, 3, 4);
    GraphBounds b;
    b.Copy(a);
    a->XMin(-7);
    EXPECT_EQ(b.GetRecord(), (BoundsRecord { 1, 3, 2, 4 }));
}

TEST(GraphBounds, CopyOfAbsentSourceRaises91AndKeepsValues)
{
    GraphBounds b;
    b.Initialize(1, 2, 3, 4);
    try {
        b.Copy(nullptr);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 91);
    }
    EXPECT_EQ(b.GetRecord(), (BoundsRecord { 1, 3, 2, 4 }));
}

TEST(AxisFormat, Defaults)
{
    // Name, GridStyle, GridLines, GridColor, Origin, OriginColor, OriginStyle, Units, Values,
    // ToolTipValues, ValueFormat, ValuePrecision.
    const AxisFormatRecord expected { "", ggsLines, 10, 0xC0C0C0, 0.0, 0xC0C0C0, ggsLines, "", true,
        true, gavNormal, 3 };
    EXPECT_EQ(AxisFormat().GetRecord(), expected);
}

TEST(AxisFormat, GridLinesIgnoresValuesBelowOne)
{
    struct Case {
        const char* label;
        int32_t value;
        int32_t stored;
    };
    const Case cases[] = {
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

TEST(AxisFormat, CopyTakesStringsAndIsByValue)
{
    auto f1 = std::make_shared<AxisFormat>();
    f1->Name("time");
    f1->Units("s");
    f1->GridLines(4);
    f1->Origin(2.5);
    f1->ValueFormat(static_cast<GraphAxisValueFormatConstants>(9));
    AxisFormat f2;
    f2.Copy(f1);
    EXPECT_EQ(f2.GetRecord(), f1->GetRecord());
    f1->Units("ms");
    EXPECT_EQ(f2.Units(), "s");
}

TEST(AxisFormat, CopyOfAbsentSourceRaises91AndKeepsValues)
{
    AxisFormat format;
    format.Name("kept");
    try {
        format.Copy(nullptr);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 91);
    }
    EXPECT_EQ(format.Name(), "kept");
    EXPECT_EQ(format.GridLines(), 10);
}

} // namespace

// The scope objects give back every handle and the previous state, also when an error leaves
// the scope.
#include "vantrel/render/GdiScope.h"

#include "RenderFixture.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace vantrel::rendertest {
namespace {

TEST(GdiScope, RestoresAndDeletesWhenAnErrorLeavesTheScope)
{
    ReferenceCanvas canvas(10, 10, white);
    const gdi::HDC dc = canvas.Dc();
    gdi::SetTextColor(dc, 0x123456);
    const gdi::HGDIOBJ pen = gdi::GetCurrentObject(dc, gdi::OBJ_PEN);
    const gdi::HGDIOBJ brush = gdi::GetCurrentObject(dc, gdi::OBJ_BRUSH);
    try {
        render::PenScope penScope(dc, gdi::PS_DASH, 2, 0x0000FF);
        render::BrushScope brushScope(dc, 0x00FF00);
        render::TextColorScope textScope(dc, 0xABCDEF);
        EXPECT_NE(gdi::GetCurrentObject(dc, gdi::OBJ_PEN), pen);
        EXPECT_NE(gdi::GetCurrentObject(dc, gdi::OBJ_BRUSH), brush);
        EXPECT_EQ(gdi::GetTextColor(dc), 0xABCDEFu);
        EXPECT_EQ(LiveDrawingObjects(), 2);
        throw std::runtime_error("drawing failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(gdi::GetCurrentObject(dc, gdi::OBJ_PEN), pen);
    EXPECT_EQ(gdi::GetCurrentObject(dc, gdi::OBJ_BRUSH), brush);
    EXPECT_EQ(gdi::GetTextColor(dc), 0x123456u);
    EXPECT_EQ(LiveDrawingObjects(), 0);
}

} // namespace
} // namespace vantrel::rendertest

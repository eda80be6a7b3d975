// XYItem_Shape: an ellipse, line, point or rectangle given by two points in axis values.
#pragma once

#include <cstdint>
#include <string>
#include <vantrel/Enums.h>
#include <vantrel/Variant.h>
#include <vantrel/XYItem.h>

namespace vantrel {

class XYItem_Shape : public XYItem {
public:
    bool Enabled() const override { return enabled_; }
    void Enabled(bool value) override { enabled_ = value; }
    std::string Name() const override { return name_; }
    void Name(const std::string& value) override { name_ = value; }
    GraphXYItemConstants TypeID() const override { return gxyShape; }

    double X1() const { return x1_; }
    void X1(double value) { x1_ = value; }
    double X2() const { return x2_; }
    void X2(double value) { x2_ = value; }
    double Y1() const { return y1_; }
    void Y1(double value) { y1_ = value; }
    double Y2() const { return y2_; }
    void Y2(double value) { y2_ = value; }

    // Stored without a range check; unknown types draw nothing.
    GraphShapeTypeConstants ShapeType() const { return shapeType_; }
    void ShapeType(GraphShapeTypeConstants value) { shapeType_ = value; }
    int32_t Color() const { return color_; }
    void Color(int32_t value) { color_ = value; }
    int32_t FillColor() const { return fillColor_; }
    void FillColor(int32_t value) { fillColor_ = value; }
    bool Fill() const { return fill_; }
    void Fill(bool value) { fill_ = value; }
    int32_t DrawStyle() const { return drawStyle_; }
    void DrawStyle(int32_t value) { drawStyle_ = value; }
    int32_t DrawMode() const { return drawMode_; }
    void DrawMode(int32_t value) { drawMode_ = value; }
    int16_t DrawWidth() const { return drawWidth_; }
    // Negative widths are ignored silently.
    void DrawWidth(int16_t value)
    {
        if (value >= 0)
            drawWidth_ = value;
    }

    Variant Tag() const { return tag_; }
    void Tag(const Variant& value) { tag_ = value; }

private:
    double x1_ = 0.0;
    double x2_ = 0.0;
    double y1_ = 0.0;
    double y2_ = 0.0;
    GraphShapeTypeConstants shapeType_ = gstLine;
    int32_t color_ = 255;
    int32_t fillColor_ = 255;
    bool fill_ = false;
    int16_t drawWidth_ = 0;
    int32_t drawStyle_ = 0;
    int32_t drawMode_ = 13;
    std::string name_;
    bool enabled_ = true;
    Variant tag_;
};

} // namespace vantrel

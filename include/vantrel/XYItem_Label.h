// XYItem_Label: a text anchored at a point in axis values.
#pragma once

#include <cstdint>
#include <string>
#include <vantrel/Variant.h>
#include <vantrel/XYItem.h>

namespace vantrel {

class XYItem_Label : public XYItem {
public:
    bool Enabled() const override { return enabled_; }
    void Enabled(bool value) override { enabled_ = value; }
    std::string Name() const override { return name_; }
    void Name(const std::string& value) override { name_ = value; }
    GraphXYItemConstants TypeID() const override { return gxyLabel; }

    double X() const { return x_; }
    void X(double value) { x_ = value; }
    double Y() const { return y_; }
    void Y(double value) { y_ = value; }
    const std::string& Text() const { return text_; }
    void Text(const std::string& value) { text_ = value; }
    int32_t Color() const { return color_; }
    void Color(int32_t value) { color_ = value; }

    Variant Tag() const { return tag_; }
    void Tag(const Variant& value) { tag_ = value; }

private:
    double x_ = 0.0;
    double y_ = 0.0;
    std::string text_;
    int32_t color_ = 0;
    std::string name_;
    bool enabled_ = true;
    Variant tag_;
};

} // namespace vantrel

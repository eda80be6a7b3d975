// A control container for hosts without a window system: a fixed inner size, a UserMode flag,
// a record of the property-changed notifications, 15 twips per pixel (96 dots per inch).
#pragma once

#include <string>
#include <vantrel/platform/ControlContainer.h>
#include <vector>

namespace vantrel::hostkit {

class SimpleContainer : public platform::ControlContainer {
public:
    static constexpr float twipsPerPixel = 15.0f;

    // Inner size in twips.
    explicit SimpleContainer(float widthTwips = 0, float heightTwips = 0, bool userMode = true);

    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }
    bool UserMode() const override { return userMode_; }
    void PropertyChanged(std::string_view name) override;
    float TwipsPerPixelX() const override { return twipsPerPixel; }
    float TwipsPerPixelY() const override { return twipsPerPixel; }

    void SetSize(float widthTwips, float heightTwips);
    void SetUserMode(bool userMode) { userMode_ = userMode; }

    // Every notification received, by property name, oldest first.
    const std::vector<std::string>& PropertyChanges() const { return changes_; }
    void ClearPropertyChanges() { changes_.clear(); }

private:
    float width_;
    float height_;
    bool userMode_;
    std::vector<std::string> changes_;
};

} // namespace vantrel::hostkit

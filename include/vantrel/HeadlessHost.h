// HeadlessHost: runs one OrvGraph off screen at 96 dots per inch (15 twips per pixel), with
// pixel access, PNG output, scripted pointer input and an audit of notifications and objects.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vantrel/OrvGraph.h>
#include <vantrel/PropertyBag.h>
#include <vector>

namespace vantrel {

// Sizes in pixels: a negative width or height raises 380, one above 32767 pixels across or
// 2^25 pixels in all (what a picture can hold) raises 7; a refused size changes nothing. Every
// pixel position in 32 bits may be read.
class HeadlessHost {
public:
    explicit HeadlessHost(
        int32_t widthPixels = 640, int32_t heightPixels = 480, bool userMode = true);
    ~HeadlessHost();
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    OrvGraph& Graph();

    // The control's InitProperties, then Resize.
    void InitNew();
    // ReadProperties, then Resize.
    void Load(PropertyBag& bag);
    // WriteProperties.
    void Save(PropertyBag& bag);
    // A new size for the control, then Resize.
    void ResizePixels(int32_t widthPixels, int32_t heightPixels);

    // Colours as 0x00BBGGRR, in the pictures' drawing coordinates (border excluded); pixels
    // outside a picture read 0xFFFFFFFF.
    uint32_t InsidePixel(int32_t x, int32_t y) const;
    uint32_t FramePixel(int32_t x, int32_t y) const;
    // What the screen shows at a pixel of the control: the inside picture over the frame
    // picture, borders included, as last refreshed.
    uint32_t ScreenPixel(int32_t x, int32_t y) const;
    // The screen as a PNG file; throws vantrel::Error on failure.
    void SavePng(const std::string& path) const;
    std::string InsideToolTipText() const;

    // Pointer input in picture pixels, delivered as the platform would: nothing reaches the
    // control from a disabled picture.
    void InsideMouseDown(int16_t button, int16_t shift, float x, float y);
    void InsideMouseMove(int16_t button, int16_t shift, float x, float y);
    void InsideMouseUp(int16_t button, int16_t shift, float x, float y);
    void InsideClick();
    void FrameMouseDown(int16_t button, int16_t shift, float x, float y);
    void FrameMouseMove(int16_t button, int16_t shift, float x, float y);
    void FrameMouseUp(int16_t button, int16_t shift, float x, float y);
    void FrameClick();

    // Every property-changed notification the control sent, oldest first.
    std::vector<std::string> PropertyChanges() const;
    void ClearPropertyChanges();
    // Pens, brushes and fonts alive in the graphics layer, stock objects and the pictures' own
    // excluded: 0 after any completed drawing call.
    int32_t GdiObjectCount() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace vantrel

// The control's events to its host, arguments by reference as the platform raises them.
#pragma once

#include <cstdint>

namespace vantrel {

class OrvGraphEvents {
public:
    virtual ~OrvGraphEvents() = default;

    virtual void FrameClick() { }
    virtual void FrameMouseDown(
        int16_t& /*Button*/, int16_t& /*Shift*/, double& /*X*/, double& /*Y*/)
    {
    }
    virtual void FrameMouseMove(
        int16_t& /*Button*/, int16_t& /*Shift*/, double& /*X*/, double& /*Y*/)
    {
    }
    virtual void FrameMouseUp(int16_t& /*Button*/, int16_t& /*Shift*/, double& /*X*/, double& /*Y*/)
    {
    }
    virtual void InsideClick() { }
    virtual void InsideMouseDown(
        int16_t& /*Button*/, int16_t& /*Shift*/, double& /*X*/, double& /*Y*/)
    {
    }
    virtual void InsideMouseMove(
        int16_t& /*Button*/, int16_t& /*Shift*/, double& /*X*/, double& /*Y*/)
    {
    }
    virtual void InsideMouseUp(
        int16_t& /*Button*/, int16_t& /*Shift*/, double& /*X*/, double& /*Y*/)
    {
    }
};

} // namespace vantrel

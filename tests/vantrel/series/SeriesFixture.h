// Shared set-up of the series tests: a sited, scaled control and the recording stand-in for the
// plotting library.
#pragma once

#include "recorder/PlotterRecord.h"
#include "vantrel/control/SitedGraph.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vantrel/PlottingLibrary.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace vantrel::seriestest {

using Lines = std::vector<std::string>;

inline DoubleArray Values(std::vector<double> values, int32_t lowerBound = 0)
{
    return DoubleArray(std::move(values), lowerBound);
}

// A control of 200 x 150 plot pixels (10-pixel margins), cleared and scaled to the bounds, with
// the axis types given; KeepData off unless a test turns it on.
struct ScaledGraph {
    explicit ScaledGraph(BoundsRecord bounds = { 0, 10, 0, 10 },
        GraphAxisTypeConstants xType = gatLinear, GraphAxisTypeConstants yType = gatLinear)
        : sited(224, 174)
    {
        sited.Init();
        OrvGraph& g = sited.graph;
        g.FrameLeft(150.0f);
        g.FrameTop(150.0f);
        g.FrameRight(150.0f);
        g.FrameBottom(150.0f);
        g.KeepData(false);
        g.XAxisType(xType);
        g.YAxisType(yType);
        g.Clear();
        g.SetScale(bounds.XMin, bounds.YMin, bounds.XMax, bounds.YMax);
    }

    OrvGraph& Graph() { return sited.graph; }

    testing::SitedGraph sited;
};

// Points the control at the recording stand-in for the lifetime of the object, with an empty
// record; afterwards the control goes back to the real library.
class RecordingPlotter {
public:
    RecordingPlotter()
        : handle_(dlopen(SERIES_RECORDER_FILE, RTLD_NOW | RTLD_LOCAL))
    {
        if (handle_ == nullptr)
            throw std::runtime_error(std::string("cannot load the recorder: ") + dlerror());
        record_ = static_cast<::seriestest::PlotterRecord*>(
            reinterpret_cast<void* (*)()>(dlsym(handle_, ::seriestest::recordAccessorName))());
        Clear();
        SetPlottingLibrary(SERIES_RECORDER_FILE);
    }
    ~RecordingPlotter()
    {
        SetPlottingLibrary("libkrevo.so");
        dlclose(handle_);
    }
    RecordingPlotter(const RecordingPlotter&) = delete;
    RecordingPlotter& operator=(const RecordingPlotter&) = delete;

    const Lines& Calls() const { return record_->calls; }
    const Lines& Series() const { return record_->series; }
    void Clear() { *record_ = {}; }

private:
    void* handle_;
    ::seriestest::PlotterRecord* record_ = nullptr;
};

// A library that cannot be had, one way or the other, for the lifetime of the object.
struct UnusableLibrary {
    explicit UnusableLibrary(const std::string& fileName) { SetPlottingLibrary(fileName); }
    ~UnusableLibrary() { SetPlottingLibrary("libkrevo.so"); }
};

} // namespace vantrel::seriestest

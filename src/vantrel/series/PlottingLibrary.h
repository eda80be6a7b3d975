// The plotting library loaded at run time: its seven functions, all present or none.
#pragma once

#include <cstdint>
#include <krevo/Krevo.h>
#include <krevo/KrevoSummary.h>

namespace vantrel::series {

// Pointers into the loaded library; the signatures are those of its header.
struct PlottingFunctions {
    decltype(&::SetDrawMode) SetDrawMode = nullptr;
    decltype(&::SetPenProperties) SetPenProperties = nullptr;
    decltype(&::SetCirclePixelRadius) SetCirclePixelRadius = nullptr;
    decltype(&::SetCubicFitPixelInterval) SetCubicFitPixelInterval = nullptr;
    decltype(&::DeInterleave) DeInterleave = nullptr;
    decltype(&::Log10Array) Log10Array = nullptr;
    decltype(&::DrawGraph2) DrawGraph2 = nullptr;
    // The library's internal entry point for summarised series; null when the file has none,
    // and then every series takes DrawGraph2.
    decltype(&::DrawGraphSummary) DrawGraphSummary = nullptr;
};

// The library named by SetPlottingLibrary, loaded (dlopen, RTLD_NOW | RTLD_LOCAL) at the first
// call after the name was set and kept loaded while the name stays. A failed load is remembered
// for that name too, so a missing library costs one attempt, not one per series. Raises
// vantrel::Error 53 ("File not found") when the file cannot be loaded and 453 ("Specified DLL
// function not found") when one of the seven functions is missing.
const PlottingFunctions& PlottingLibrary();

// The colour the library's pen receives for a series colour. The library keeps only the low 24
// bits of a colour, as the graphics layer does, so a system colour (high byte 0x80) is translated
// here to the RGB it names; every other value, an invalid system colour included, passes as it
// is. This is the one place where a series colour is changed on its way to the screen.
int32_t PlotterColor(int32_t color);

} // namespace vantrel::series

// Loading the plotting library at run time, and the process-wide choice of its file.
#include "series/PlottingLibrary.h"

#include <dlfcn.h>
#include <gdi/Gdi.h>
#include <mutex>
#include <string>
#include <vantrel/Error.h>
#include <vantrel/PlottingLibrary.h>

namespace vantrel {

namespace {

// The choice of the plotting library's file is process-wide. Controls on several threads may
// make their first call at once, so loading and choosing happen under a lock; the functions,
// once loaded, stay put until the host names another file.
struct LoadedLibrary {
    std::mutex mutex;
    std::string fileName = "libkrevo.so";
    bool tried = false;
    void* handle = nullptr;
    int32_t failure = 0;
    series::PlottingFunctions functions;
};

LoadedLibrary& Loaded()
{
    static LoadedLibrary loaded;
    return loaded;
}

void Unload(LoadedLibrary& loaded)
{
    if (loaded.handle != nullptr)
        dlclose(loaded.handle);
    loaded.handle = nullptr;
    loaded.tried = false;
    loaded.failure = 0;
    loaded.functions = {};
}

// Which RUNPATH dlopen consults (the calling library's or the executable's) depends on the loader
// and on how the host was linked, so a host whose own search path does not reach libvantrel.so's
// directory would miss the library installed beside it; this second attempt looks there.
void* OpenBesideControlLibrary(const std::string& fileName)
{
    Dl_info info {};
    if (dladdr(reinterpret_cast<const void*>(&Loaded), &info) == 0 || info.dli_fname == nullptr)
        return nullptr;
    const std::string self = info.dli_fname;
    const std::string::size_type slash = self.rfind('/');
    if (slash == std::string::npos)
        return nullptr;
    return dlopen((self.substr(0, slash + 1) + fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
}

template <class Function> bool Resolve(void* handle, const char* name, Function& function)
{
    // POSIX guarantees that a data pointer from dlsym converts to a function pointer.
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

void Load(LoadedLibrary& loaded)
{
    loaded.tried = true;
    void* handle = dlopen(loaded.fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr && loaded.fileName.find('/') == std::string::npos)
        handle = OpenBesideControlLibrary(loaded.fileName);
    if (handle == nullptr) {
        loaded.failure = errFileNotFound;
        return;
    }
    series::PlottingFunctions functions;
    const bool complete = Resolve(handle, "SetDrawMode", functions.SetDrawMode)
        && Resolve(handle, "SetPenProperties", functions.SetPenProperties)
        && Resolve(handle, "SetCirclePixelRadius", functions.SetCirclePixelRadius)
        && Resolve(handle, "SetCubicFitPixelInterval", functions.SetCubicFitPixelInterval)
        && Resolve(handle, "DeInterleave", functions.DeInterleave)
        && Resolve(handle, "Log10Array", functions.Log10Array)
        && Resolve(handle, "DrawGraph2", functions.DrawGraph2);
    if (!complete) {
        dlclose(handle);
        loaded.failure = errEntryPointNotFound;
        return;
    }
    Resolve(handle, "DrawGraphSummary", functions.DrawGraphSummary);
    loaded.handle = handle;
    loaded.functions = functions;
}

} // namespace

void SetPlottingLibrary(const std::string& fileName)
{
    LoadedLibrary& loaded = Loaded();
    const std::lock_guard lock(loaded.mutex);
    if (fileName == loaded.fileName && loaded.handle != nullptr)
        return;
    Unload(loaded);
    loaded.fileName = fileName;
}

namespace series {

const PlottingFunctions& PlottingLibrary()
{
    LoadedLibrary& loaded = Loaded();
    const std::lock_guard lock(loaded.mutex);
    if (!loaded.tried)
        Load(loaded);
    if (loaded.handle == nullptr)
        throw Error(loaded.failure,
            (loaded.failure == errFileNotFound ? "File not found: "
                                               : "Specified DLL function not found in ")
                + loaded.fileName);
    return loaded.functions;
}

int32_t PlotterColor(int32_t color)
{
    const uint32_t value = static_cast<uint32_t>(color);
    if (value >> 24 != 0x80u)
        return color;
    const gdi::COLORREF rgb = gdi::TranslateColor(value);
    return rgb == gdi::CLR_INVALID ? color : static_cast<int32_t>(rgb);
}

} // namespace series

} // namespace vantrel

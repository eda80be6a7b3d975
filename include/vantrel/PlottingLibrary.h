// The choice of the plotting library file that draws data series, shared by every control in
// the process.
#pragma once

#include <string>

namespace vantrel {

// Names the plotting library that the controls load at their next first use: "libkrevo.so"
// until a host names another. A name without a slash is looked up through the normal library
// search path, then in the directory libvantrel.so was loaded from (where the installed package
// puts libkrevo.so); a name with a slash is used as it stands. A file
// that cannot be loaded, or that lacks one of the seven functions, makes every series drop
// silently; nothing else changes. Naming the file already loaded keeps it loaded; naming another
// unloads the present one, and its drawing state (draw mode, pen, radius, interval) with it.
void SetPlottingLibrary(const std::string& fileName);

} // namespace vantrel

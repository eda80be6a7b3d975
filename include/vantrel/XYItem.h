// XYItem: the common interface of everything a panel holds; also a creatable object of its own.
#pragma once

#include <string>
#include <vantrel/Enums.h>

namespace vantrel {

// A plain XYItem stores nothing: Enabled reads false, Name reads "", TypeID reads gxyData and
// the puts are ignored. The item classes answer from their own fields; a host may derive its
// own kinds. Panels tell kinds apart by TypeID alone and check the real class only when a
// per-kind view hands an item out.
class XYItem {
public:
    XYItem() = default;
    virtual ~XYItem() = default;

    virtual bool Enabled() const { return false; }
    virtual void Enabled(bool) { }
    virtual std::string Name() const { return {}; }
    virtual void Name(const std::string&) { }
    virtual GraphXYItemConstants TypeID() const { return gxyData; }

protected:
    // Items are shared by reference; copying through the interface would slice.
    XYItem(const XYItem&) = default;
    XYItem& operator=(const XYItem&) = default;
};

} // namespace vantrel

// GraphData to JSON text, and the file and stream functions that write it.
#include "model/GraphDataJsonFormat.h"
#include "model/JsonDoubles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <sys/stat.h>
#include <typeinfo>
#include <unistd.h>
#include <vantrel/Error.h>
#include <vantrel/GraphDataJson.h>

namespace vantrel {

namespace {

using json::DoubleToJson;
using json::Json;

Json TagToJson(const Variant& tag, const std::string& owner)
{
    return std::visit(
        [&](const auto& v) -> Json {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, Empty>)
                return nullptr;
            else if constexpr (std::is_same_v<T, bool>)
                return Json { { "Type", "Boolean" }, { "Value", v } };
            else if constexpr (std::is_same_v<T, int16_t>)
                return Json { { "Type", "Integer" }, { "Value", v } };
            else if constexpr (std::is_same_v<T, int32_t>)
                return Json { { "Type", "Long" }, { "Value", v } };
            else if constexpr (std::is_same_v<T, float>)
                return Json { { "Type", "Single" }, { "Value", DoubleToJson(v) } };
            else if constexpr (std::is_same_v<T, double>)
                return Json { { "Type", "Double" }, { "Value", DoubleToJson(v) } };
            else if constexpr (std::is_same_v<T, std::string>)
                return Json { { "Type", "String" }, { "Value", v } };
            else
                throw Error(errTypeMismatch,
                    "The Tag of " + owner + " holds an object, which JSON text cannot hold");
        },
        tag);
}

Json FormatToJson(const Ref<AxisFormat>& format)
{
    if (!format)
        return nullptr;
    const AxisFormatRecord r = format->GetRecord();
    return Json { { "Name", r.Name }, { "GridStyle", r.GridStyle }, { "GridLines", r.GridLines },
        { "GridColor", r.GridColor }, { "Origin", DoubleToJson(r.Origin) },
        { "OriginColor", r.OriginColor }, { "OriginStyle", r.OriginStyle }, { "Units", r.Units },
        { "Values", r.Values }, { "ToolTipValues", r.ToolTipValues },
        { "ValueFormat", r.ValueFormat }, { "ValuePrecision", r.ValuePrecision } };
}

Json AxisToJson(const Axis& axis)
{
    return Json { { "AxisType", axis.AxisType() }, { "Format", FormatToJson(axis.Format()) } };
}

Json DataToJson(const XYItem_Data& d, const std::string& owner)
{
    return Json { { "Kind", "Data" }, { "Name", d.Name() }, { "Enabled", d.Enabled() },
        { "UseInterval", d.UseInterval() }, { "Length", d.Length() },
        { "MaxLength", d.MaxLength() }, { "XArray", json::ArrayToJson(d.XArray()) },
        { "YArray", json::ArrayToJson(d.YArray()) }, { "GraphType", d.GraphType() },
        { "Color1", d.Color1() }, { "Color2", d.Color2() },
        { "InterleavedData", d.InterleavedData() }, { "DrawWidth", d.DrawWidth() },
        { "DrawStyle", d.DrawStyle() }, { "DrawMode", d.DrawMode() },
        { "Tag", TagToJson(d.Tag(), owner) } };
}

Json LabelToJson(const XYItem_Label& l, const std::string& owner)
{
    return Json { { "Kind", "Label" }, { "Name", l.Name() }, { "Enabled", l.Enabled() },
        { "X", DoubleToJson(l.X()) }, { "Y", DoubleToJson(l.Y()) }, { "Text", l.Text() },
        { "Color", l.Color() }, { "Tag", TagToJson(l.Tag(), owner) } };
}

Json ShapeToJson(const XYItem_Shape& s, const std::string& owner)
{
    return Json { { "Kind", "Shape" }, { "Name", s.Name() }, { "Enabled", s.Enabled() },
        { "ShapeType", s.ShapeType() }, { "X1", DoubleToJson(s.X1()) },
        { "Y1", DoubleToJson(s.Y1()) }, { "X2", DoubleToJson(s.X2()) },
        { "Y2", DoubleToJson(s.Y2()) }, { "Color", s.Color() }, { "Fill", s.Fill() },
        { "FillColor", s.FillColor() }, { "DrawWidth", s.DrawWidth() },
        { "DrawStyle", s.DrawStyle() }, { "DrawMode", s.DrawMode() },
        { "Tag", TagToJson(s.Tag(), owner) } };
}

Json ItemToJson(const XYItem& item, const std::string& owner)
{
    // The exact class decides: a host's class derived from one of ours has state we cannot see.
    const std::type_info& type = typeid(item);
    if (type == typeid(XYItem_Data))
        return DataToJson(static_cast<const XYItem_Data&>(item), owner);
    if (type == typeid(XYItem_Label))
        return LabelToJson(static_cast<const XYItem_Label&>(item), owner);
    if (type == typeid(XYItem_Shape))
        return ShapeToJson(static_cast<const XYItem_Shape&>(item), owner);
    if (type == typeid(XYItem))
        return Json { { "Kind", "Item" } };
    throw Error(errTypeMismatch, owner + " is of a class of the host's own, which cannot be saved");
}

Json PanelToJson(const PanelData& panel, const std::string& owner)
{
    Json items = Json::array();
    for (int32_t i = 1; i <= panel.Count(); ++i)
        items.push_back(ItemToJson(*panel.Item(i), "item " + std::to_string(i) + " of " + owner));
    return Json { { "Name", panel.Name() }, { "Enabled", panel.Enabled() },
        { "Selected", panel.Selected() }, { "Tag", TagToJson(panel.Tag(), owner) },
        { "Items", std::move(items) } };
}

void WriteAll(std::FILE* file, const std::string& text, const std::string& path)
{
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fflush(file) != 0
        || fsync(fileno(file)) != 0) {
        std::fclose(file);
        throw Error(errFileAccess, "Cannot write '" + path + "'");
    }
    if (std::fclose(file) != 0)
        throw Error(errFileAccess, "Cannot write '" + path + "'");
}

} // namespace

std::string GraphDataJsonText(const Ref<GraphData>& Data)
{
    if (!Data)
        throw Error(errObjectNotSet);
    const BoundsRecord b = Data->Bounds()->GetRecord();
    Json panels = Json::array();
    const Ref<PanelManager> list = Data->PanelList();
    for (int32_t i = 1; i <= list->Count(); ++i)
        panels.push_back(PanelToJson(*list->Item(i), "panel " + std::to_string(i)));
    const Json document { { "Format", json::kFormatTag }, { "Version", json::kFormatVersion },
        { "Bounds",
            { { "XMin", DoubleToJson(b.XMin) }, { "XMax", DoubleToJson(b.XMax) },
                { "YMin", DoubleToJson(b.YMin) }, { "YMax", DoubleToJson(b.YMax) } } },
        { "XAxis", AxisToJson(*Data->XAxis()) }, { "YAxis", AxisToJson(*Data->YAxis()) },
        { "Tag", TagToJson(Data->Tag(), "the GraphData") }, { "Panels", std::move(panels) } };
    try {
        return document.dump(1, '\t') + "\n";
    } catch (const nlohmann::json::type_error&) {
        throw Error(
            errInvalidPropertyValue, "A name, text or tag of the GraphData is not valid UTF-8");
    }
}

void WriteGraphDataJson(const Ref<GraphData>& Data, std::ostream& out)
{
    const std::string text = GraphDataJsonText(Data);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out)
        throw Error(errFileAccess, "Cannot write the GraphData JSON text to the stream");
}

void SaveGraphData(const Ref<GraphData>& Data, const std::string& Path)
{
    const std::string text = GraphDataJsonText(Data);
    // The temporary file sits beside the target, so the rename stays on one file system.
    std::string temporary = Path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        throw Error(errFileAccess, "Cannot write '" + Path + "': " + std::strerror(errno));
    // mkstemp makes the file private; a saved model is an ordinary document.
    fchmod(descriptor, 0644);
    std::FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
        close(descriptor);
        std::remove(temporary.c_str());
        throw Error(errFileAccess, "Cannot write '" + Path + "'");
    }
    try {
        WriteAll(file, text, Path);
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
    if (std::rename(temporary.c_str(), Path.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        throw Error(errFileAccess, "Cannot write '" + Path + "': " + std::strerror(error));
    }
}

} // namespace vantrel

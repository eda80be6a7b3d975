// JSON text to GraphData, and the file and stream functions that read it. The text is parsed
// whole, then walked with the JSON Pointer of every value at hand, so that a problem names its
// place; the model is built aside and handed out only when all of it was read.
#include "model/GraphDataJsonFormat.h"
#include "model/JsonBlobs.h"
#include "model/JsonDoubles.h"
#include "model/JsonFileBytes.h"

#include <bit>
#include <cstring>
#include <istream>
#include <limits>
#include <optional>
#include <sstream>
#include <vantrel/Error.h>
#include <vantrel/GraphDataJson.h>

namespace vantrel {

namespace {

using json::Json;
using Blobs = std::vector<std::string_view>;

// A reading problem: the JSON Pointer of the value concerned and what was wrong with it.
struct Problem {
    std::string pointer;
    std::string what;
};

[[noreturn]] void Fail(const std::string& pointer, const std::string& what)
{
    throw Problem { pointer, what };
}

std::string Describe(const std::string& pointer)
{
    return pointer.empty() ? "the document" : "'" + pointer + "'";
}

const Json& Member(const Json& object, const std::string& at, const char* name)
{
    if (!object.is_object())
        Fail(at, Describe(at) + " is " + object.type_name() + " where an object is expected");
    const auto found = object.find(name);
    if (found == object.end())
        Fail(at, Describe(at) + " has no member \"" + name + "\"");
    return *found;
}

std::string Child(const std::string& at, const char* name) { return at + "/" + name; }

template <class Integer>
Integer ReadInteger(const Json& object, const std::string& at, const char* name)
{
    const Json& value = Member(object, at, name);
    const std::string here = Child(at, name);
    if (!value.is_number_integer())
        Fail(here, Describe(here) + " is " + value.type_name() + " where an integer is expected");
    constexpr auto low = std::numeric_limits<Integer>::min();
    constexpr auto high = std::numeric_limits<Integer>::max();
    const bool fits = value.is_number_unsigned()
        ? value.get<uint64_t>() <= static_cast<uint64_t>(high)
        : value.get<int64_t>() >= low && value.get<int64_t>() <= high;
    if (!fits)
        Fail(here,
            Describe(here) + " is outside " + std::to_string(low) + " .. " + std::to_string(high));
    return static_cast<Integer>(value.get<int64_t>());
}

int32_t Long(const Json& object, const std::string& at, const char* name)
{
    return ReadInteger<int32_t>(object, at, name);
}

template <class Enumeration>
Enumeration Enum(const Json& object, const std::string& at, const char* name)
{
    return static_cast<Enumeration>(Long(object, at, name));
}

bool Boolean(const Json& object, const std::string& at, const char* name)
{
    const Json& value = Member(object, at, name);
    if (!value.is_boolean())
        Fail(Child(at, name),
            Describe(Child(at, name)) + " is " + value.type_name()
                + " where true or false is expected");
    return value.get<bool>();
}

double Number(const Json& value, const std::string& here)
{
    const auto number = json::DoubleFromJson(value);
    if (!number)
        Fail(here,
            Describe(here)
                + " is not a number (nor \"NaN\", \"Infinity\", \"-Infinity\" or \"0x\" "
                  "and 16 hexadecimal digits)");
    return *number;
}

double Double(const Json& object, const std::string& at, const char* name)
{
    return Number(Member(object, at, name), Child(at, name));
}

const std::string& Text(const Json& object, const std::string& at, const char* name)
{
    const Json& value = Member(object, at, name);
    if (!value.is_string())
        Fail(Child(at, name),
            Describe(Child(at, name)) + " is " + value.type_name() + " where a string is expected");
    return value.get_ref<const std::string&>();
}

Variant Tag(const Json& object, const std::string& at)
{
    const Json& tag = Member(object, at, "Tag");
    const std::string here = Child(at, "Tag");
    if (tag.is_null())
        return Empty {};
    const std::string& type = Text(tag, here, "Type");
    if (type == "Boolean")
        return Boolean(tag, here, "Value");
    if (type == "Integer")
        return ReadInteger<int16_t>(tag, here, "Value");
    if (type == "Long")
        return ReadInteger<int32_t>(tag, here, "Value");
    if (type == "Double")
        return Double(tag, here, "Value");
    if (type == "String")
        return Text(tag, here, "Value");
    if (type == "Single") {
        const double value = Double(tag, here, "Value");
        const auto single = static_cast<float>(value);
        // Exact only: a double that is not a single's value was not written by a Single tag.
        if (!(static_cast<double>(single) == value) && !std::isnan(value))
            Fail(Child(here, "Value"),
                Describe(Child(here, "Value")) + " is not a single-precision value");
        return single;
    }
    Fail(Child(here, "Type"),
        Describe(Child(here, "Type")) + " is \"" + type
            + "\"; a tag's type is Boolean, Integer, Long, Single, Double or String");
}

DoubleArray Array(const Json& object, const std::string& at, const char* name, const Blobs& blobs)
{
    const Json& array = Member(object, at, name);
    const std::string here = Child(at, name);
    const int32_t lowerBound = Long(array, here, "LBound");
    std::vector<double> values;
    if (array.is_object() && array.contains("Base64")) {
        const int32_t count = Long(array, here, "Count");
        if (count < 0)
            Fail(Child(here, "Count"), Describe(Child(here, "Count")) + " is negative");
        const std::string& value = Text(array, here, "Base64");
        const std::string_view text = json::LiftedBlob(value, blobs).value_or(value);
        values.reserve(static_cast<std::size_t>(count));
        json::PreferHugePages(values.data(), values.capacity() * sizeof(double));
        values.resize(static_cast<std::size_t>(count));
        if (!json::DecodeDoubles(text, values.size(), values.data()))
            Fail(Child(here, "Base64"),
                Describe(Child(here, "Base64")) + " is not padded base64 of "
                    + std::to_string(count) + " doubles ("
                    + std::to_string(static_cast<int64_t>(count) * 8) + " bytes)");
    } else {
        const Json& list = Member(array, here, "Values");
        const std::string listAt = Child(here, "Values");
        if (!list.is_array())
            Fail(listAt,
                Describe(listAt) + " is " + list.type_name() + " where an array is expected");
        values.reserve(list.size());
        for (std::size_t i = 0; i < list.size(); ++i)
            values.push_back(Number(list[i], listAt + "/" + std::to_string(i)));
    }
    if (static_cast<int64_t>(lowerBound) + static_cast<int64_t>(values.size()) - 1
        > std::numeric_limits<int32_t>::max())
        Fail(Child(here, "LBound"), "the upper bound of " + Describe(here) + " exceeds 2147483647");
    return DoubleArray(std::move(values), lowerBound);
}

bool SameBits(const DoubleArray& a, const DoubleArray& b)
{
    return a.LBound() == b.LBound() && a.Count() == b.Count()
        && std::memcmp(a.Data(), b.Data(), sizeof(double) * static_cast<std::size_t>(a.Count()))
        == 0;
}

// An array read for an item, handed to it, and recognised in it afterwards. One that holds index
// 0 (every array the item can draw) is handed over, not copied, and recognised by the address of
// its element 0, which no other live array shares: the same address and the same upper bound
// mean the same storage, bounds and bits. Any other is copied and compared element by element.
class Handover {
public:
    explicit Handover(DoubleArray array)
        : array_(std::move(array))
        , view_(XYItem_Data::ViewOf(array_))
    {
    }

    const DoubleArray& Array() const { return array_; }
    // Leaves the array in place when the item refuses it.
    DoubleArray&& Give()
    {
        if (view_.zero == nullptr)
            copy_ = array_;
        return std::move(view_.zero == nullptr ? copy_ : array_);
    }
    template <class Copy> bool HeldAs(const XYItem_Data::ArrayView& held, Copy copy) const
    {
        if (view_.zero != nullptr)
            return held.zero == view_.zero && held.count == view_.count;
        return SameBits(copy(), array_);
    }

private:
    DoubleArray array_;
    DoubleArray copy_;
    XYItem_Data::ArrayView view_;
};

// The item's arrays, Length and mode are reached the way a host reaches them, so that a file can
// only describe a state the item's own operations can produce; anything else is refused.
void RestoreSeries(XYItem_Data& item, const Json& object, const std::string& at, const Blobs& blobs)
{
    Handover x(Array(object, at, "XArray", blobs));
    Handover y(Array(object, at, "YArray", blobs));
    const int32_t length = Long(object, at, "Length");
    const bool useInterval = Boolean(object, at, "UseInterval");
    const bool xIsPair = x.Array().Count() == 2 && x.Array().LBound() == 0;
    bool xGiven = false;
    try {
        if (!useInterval && length <= x.Array().Count() && length <= y.Array().Count()) {
            xGiven = true;
            item.SetArrays(x.Give(), y.Give(), length);
        } else if (xIsPair) {
            item.UseInterval(true);
            item.SetYArray(y.Give(), length);
            item.XStart(x.Array()(0));
            item.XInterval(x.Array()(1));
            if (!useInterval)
                item.UseInterval(false); // true again would reset the pair
        }
    } catch (const Error&) {
    }
    // The interval pair is the item's own array, set element by element: compared by value.
    const bool xHeld = xGiven ? x.HeldAs(item.XView(), [&] { return item.XArray(); })
                              : SameBits(item.XArray(), x.Array());
    if (!xHeld || !y.HeldAs(item.YView(), [&] { return item.YArray(); }) || item.Length() != length
        || item.UseInterval() != useInterval)
        Fail(at,
            "the arrays, Length and UseInterval of " + Describe(at)
                + " describe no state a data item can be in");
}

Ref<XYItem> Item(const Json& object, const std::string& at, const Blobs& blobs)
{
    const std::string& kind = Text(object, at, "Kind");
    if (kind == "Item")
        return std::make_shared<XYItem>();
    const auto width = [&](const char* name) {
        const int16_t value = ReadInteger<int16_t>(object, at, name);
        if (value < 0)
            Fail(Child(at, name), Describe(Child(at, name)) + " is negative");
        return value;
    };
    if (kind == "Data") {
        auto item = std::make_shared<XYItem_Data>();
        RestoreSeries(*item, object, at, blobs);
        // Files written before live data have no MaxLength: they keep every point.
        if (object.contains("MaxLength")) {
            const int32_t maxLength = Long(object, at, "MaxLength");
            if (maxLength < 0)
                Fail(Child(at, "MaxLength"), Describe(Child(at, "MaxLength")) + " is negative");
            item->MaxLength(maxLength);
        }
        item->Name(Text(object, at, "Name"));
        item->Enabled(Boolean(object, at, "Enabled"));
        item->GraphType(Enum<GraphDataTypeConstants>(object, at, "GraphType"));
        item->Color1(Long(object, at, "Color1"));
        item->Color2(Long(object, at, "Color2"));
        item->InterleavedData(Boolean(object, at, "InterleavedData"));
        item->DrawWidth(width("DrawWidth"));
        item->DrawStyle(Long(object, at, "DrawStyle"));
        item->DrawMode(Long(object, at, "DrawMode"));
        item->Tag(Tag(object, at));
        return item;
    }
    if (kind == "Label") {
        auto item = std::make_shared<XYItem_Label>();
        item->Name(Text(object, at, "Name"));
        item->Enabled(Boolean(object, at, "Enabled"));
        item->X(Double(object, at, "X"));
        item->Y(Double(object, at, "Y"));
        item->Text(Text(object, at, "Text"));
        item->Color(Long(object, at, "Color"));
        item->Tag(Tag(object, at));
        return item;
    }
    if (kind == "Shape") {
        auto item = std::make_shared<XYItem_Shape>();
        item->Name(Text(object, at, "Name"));
        item->Enabled(Boolean(object, at, "Enabled"));
        item->ShapeType(Enum<GraphShapeTypeConstants>(object, at, "ShapeType"));
        item->X1(Double(object, at, "X1"));
        item->Y1(Double(object, at, "Y1"));
        item->X2(Double(object, at, "X2"));
        item->Y2(Double(object, at, "Y2"));
        item->Color(Long(object, at, "Color"));
        item->Fill(Boolean(object, at, "Fill"));
        item->FillColor(Long(object, at, "FillColor"));
        item->DrawWidth(width("DrawWidth"));
        item->DrawStyle(Long(object, at, "DrawStyle"));
        item->DrawMode(Long(object, at, "DrawMode"));
        item->Tag(Tag(object, at));
        return item;
    }
    Fail(Child(at, "Kind"),
        Describe(Child(at, "Kind")) + " is \"" + kind
            + "\"; an item is Data, Label, Shape or Item");
}

Ref<PanelData> Panel(const Json& object, const std::string& at, const Blobs& blobs)
{
    auto panel = std::make_shared<PanelData>();
    panel->Name(Text(object, at, "Name"));
    panel->Enabled(Boolean(object, at, "Enabled"));
    panel->Selected(Boolean(object, at, "Selected"));
    panel->Tag(Tag(object, at));
    const Json& items = Member(object, at, "Items");
    const std::string itemsAt = Child(at, "Items");
    if (!items.is_array())
        Fail(itemsAt,
            Describe(itemsAt) + " is " + items.type_name() + " where an array is expected");
    for (std::size_t i = 0; i < items.size(); ++i)
        panel->AddItem(Item(items[i], itemsAt + "/" + std::to_string(i), blobs));
    return panel;
}

void RestoreAxis(Axis& axis, const Json& object, const std::string& at)
{
    axis.AxisType(Enum<GraphAxisTypeConstants>(object, at, "AxisType"));
    const Json& format = Member(object, at, "Format");
    if (format.is_null()) {
        axis.Format(nullptr);
        return;
    }
    const std::string here = Child(at, "Format");
    AxisFormatRecord r;
    r.Name = Text(format, here, "Name");
    r.GridStyle = Enum<GraphGridStyleConstants>(format, here, "GridStyle");
    r.GridLines = Long(format, here, "GridLines");
    r.GridColor = Long(format, here, "GridColor");
    r.Origin = Double(format, here, "Origin");
    r.OriginColor = Long(format, here, "OriginColor");
    r.OriginStyle = Enum<GraphGridStyleConstants>(format, here, "OriginStyle");
    r.Units = Text(format, here, "Units");
    r.Values = Boolean(format, here, "Values");
    r.ToolTipValues = Boolean(format, here, "ToolTipValues");
    r.ValueFormat = Enum<GraphAxisValueFormatConstants>(format, here, "ValueFormat");
    r.ValuePrecision = Long(format, here, "ValuePrecision");
    axis.Format()->SetRecord(r);
}

Ref<GraphData> Model(const Json& document, const Blobs& blobs)
{
    const std::string& tag = Text(document, "", "Format");
    if (tag != json::kFormatTag)
        Fail("/Format", "the format is \"" + tag + "\", not \"" + json::kFormatTag + "\"");
    const Json& version = Member(document, "", "Version");
    if (!version.is_number_integer() || version.get<int64_t>() != json::kFormatVersion)
        Fail("/Version",
            "unknown version " + version.dump() + "; this library reads version "
                + std::to_string(json::kFormatVersion));

    auto data = std::make_shared<GraphData>();
    const Json& bounds = Member(document, "", "Bounds");
    data->Bounds()->SetRecord(
        BoundsRecord { Double(bounds, "/Bounds", "XMin"), Double(bounds, "/Bounds", "XMax"),
            Double(bounds, "/Bounds", "YMin"), Double(bounds, "/Bounds", "YMax") });
    RestoreAxis(*data->XAxis(), Member(document, "", "XAxis"), "/XAxis");
    RestoreAxis(*data->YAxis(), Member(document, "", "YAxis"), "/YAxis");
    data->Tag(Tag(document, ""));
    const Json& panels = Member(document, "", "Panels");
    if (!panels.is_array())
        Fail("/Panels",
            "'/Panels' is " + std::string(panels.type_name()) + " where an array is expected");
    for (std::size_t i = 0; i < panels.size(); ++i)
        data->PanelList()->Add(Panel(panels[i], "/Panels/" + std::to_string(i), blobs));
    return data;
}

[[noreturn]] void Refuse(
    const std::string& source, std::string_view text, std::size_t offset, const std::string& what)
{
    const json::TextPosition at = json::PositionOf(text, offset);
    throw Error(errInvalidPropertyValue,
        source + ":" + std::to_string(at.line) + ":" + std::to_string(at.column) + ": " + what);
}

// The parser's own explanation, without its "[json.exception...] parse error at ...: " head.
std::string ParseReason(const nlohmann::json::parse_error& e)
{
    const std::string_view what = e.what();
    const auto at = what.find("parse error");
    const auto colon = what.find(": ", at == std::string_view::npos ? 0 : at);
    return "malformed JSON: "
        + std::string(colon == std::string_view::npos ? what : what.substr(colon + 2));
}

// A number beyond double's range: "[json.exception.out_of_range.406] number overflow parsing
// '1e400'". The parser names the token but not its place, so the place is where it first stands.
std::string OverflowReason(const nlohmann::json::exception& e)
{
    const std::string_view what = e.what();
    const auto head = what.find("] ");
    return "malformed JSON: "
        + std::string(head == std::string_view::npos ? what : what.substr(head + 2));
}

std::size_t QuotedTokenOffset(std::string_view text, std::string_view what)
{
    const auto open = what.find('\'');
    const auto close = what.rfind('\'');
    if (open == std::string_view::npos || close <= open + 1)
        return 0;
    const auto at = text.find(what.substr(open + 1, close - open - 1));
    return at == std::string_view::npos ? 0 : at;
}

} // namespace

Ref<GraphData> GraphDataFromJsonText(std::string_view text, const std::string& source)
{
    // The skeleton parses where the text does, so only a failure needs the text itself.
    const std::optional<json::LiftedText> lifted = json::LiftBlobs(text);
    Json document;
    try {
        document = Json::parse(lifted ? std::string_view(lifted->skeleton) : text);
    } catch (const nlohmann::json::exception&) {
        try {
            const Json original = Json::parse(text);
            (void)original;
        } catch (const nlohmann::json::parse_error& e) {
            // The parser counts the bytes read up to and including the offending one.
            Refuse(source, text, e.byte > 0 ? e.byte - 1 : 0, ParseReason(e));
        } catch (const nlohmann::json::exception& e) {
            Refuse(source, text, QuotedTokenOffset(text, e.what()), OverflowReason(e));
        }
        Refuse(source, text, 0, "malformed JSON");
    }
    try {
        if (!document.is_object())
            Fail("",
                std::string("the document is ") + document.type_name()
                    + " where an object is expected");
        return Model(document, lifted ? lifted->blobs : Blobs {});
    } catch (const Problem& problem) {
        Refuse(source, text, json::LocatePointer(text, problem.pointer), problem.what);
    }
}

Ref<GraphData> ReadGraphDataJson(std::istream& in)
{
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        throw Error(errFileAccess, "Cannot read the GraphData JSON text from the stream");
    return GraphDataFromJsonText(buffer.view(), "<stream>");
}

Ref<GraphData> LoadGraphData(const std::string& Path)
{
    const json::FileBytes file(Path);
    return GraphDataFromJsonText(file.Text(), Path);
}

} // namespace vantrel

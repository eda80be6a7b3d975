// Panels, the panel manager and GraphData: positions, moves, removal, per-kind views, creation,
// errors, and the sharing of the host's objects.
#include "vantrel/ErrorOf.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vantrel/GraphData.h>
#include <vantrel/PanelData.h>
#include <vantrel/PanelManager.h>

using namespace vantrel;
using vantrel::test::ErrorOf;

namespace {

// A host's own item whose TypeID may say anything, even change over time.
class HostItem : public XYItem {
public:
    explicit HostItem(int32_t typeId) { Report(typeId); }
    GraphXYItemConstants TypeID() const override { return typeId_; }
    void Report(int32_t typeId) { typeId_ = static_cast<GraphXYItemConstants>(typeId); }

private:
    GraphXYItemConstants typeId_ {};
};

// An item of kind 'D' (data), 'L' (label) or 'S' (shape), named by one letter.
Ref<XYItem> MakeItem(char name, char kind)
{
    Ref<XYItem> item = std::make_shared<XYItem_Data>();
    if (kind == 'L')
        item = std::make_shared<XYItem_Label>();
    if (kind == 'S')
        item = std::make_shared<XYItem_Shape>();
    item->Name(std::string(1, name));
    return item;
}

// A panel holding items A, B, C, ... of the given kinds.
Ref<PanelData> MakePanel(const std::string& kinds)
{
    auto panel = std::make_shared<PanelData>();
    for (std::size_t i = 0; i < kinds.size(); ++i)
        panel->AddItem(MakeItem(static_cast<char>('A' + i), kinds[i]));
    return panel;
}

Ref<PanelData> NamedPanel(char name)
{
    auto panel = std::make_shared<PanelData>();
    panel->Name(std::string(1, name));
    return panel;
}

// A manager of panels A, B, C, ...
Ref<PanelManager> MakeManager(int32_t count)
{
    auto manager = std::make_shared<PanelManager>();
    for (char name = 'A'; name < 'A' + count; ++name)
        manager->Add(NamedPanel(name));
    return manager;
}

// The names of the entries in list order.
template <class List> std::string Names(const List& list)
{
    std::string names;
    for (int32_t i = 1; i <= list.Count(); ++i)
        names += list.Item(i)->Name();
    return names;
}

std::string Counts(const PanelData& panel)
{
    std::string counts;
    for (int32_t k = 0; k <= 3; ++k)
        counts += std::to_string(panel.TypeCounts(k));
    return counts;
}

TEST(PanelLists, ListOperations)
{
    // One table for both lists; op is Add, Move, Remove or Clear; the added entry is named D.
    const struct {
        const char* label;
        int32_t startCount;
        char op;
        int32_t a, b;
        const char* expected;
    } cases[] = {
        { "add to empty at -1", 0, 'A', -1, 0, "D" },
        { "add at 2 inserts before B", 3, 'A', 2, 0, "ADBC" },
        { "add at 4 (Count + 1) appends", 3, 'A', 4, 0, "ABCD" },
        { "add at INT32_MIN appends", 3, 'A', INT32_MIN, 0, "ABCD" },
        { "move 1 to 3", 4, 'M', 1, 3, "BCAD" },
        { "move 4 to 1", 4, 'M', 4, 1, "DABC" },
        { "remove first", 3, 'R', 1, 0, "BC" },
        { "remove on empty at INT32_MIN does nothing", 0, 'R', INT32_MIN, 0, "" },
        { "clear", 3, 'C', 0, 0, "" },
    };
    auto apply = [](auto& list, const auto& c, auto add) {
        if (c.op == 'A')
            add(c.a);
        else if (c.op == 'M')
            list.Move(c.a, c.b);
        else if (c.op == 'R')
            list.Remove(c.a);
        else
            list.Clear();
    };
    for (const auto& c : cases) {
        auto panel = MakePanel(std::string(static_cast<std::size_t>(c.startCount), 'D'));
        apply(*panel, c, [&](int32_t at) { panel->AddItem(MakeItem('D', 'D'), at); });
        EXPECT_EQ(Names(*panel), c.expected) << "panel: " << c.label;
        EXPECT_EQ(panel->DataCount(), panel->Count()) << "panel: " << c.label;

        auto manager = MakeManager(c.startCount);
        apply(*manager, c, [&](int32_t at) { manager->Add(NamedPanel('D'), at); });
        EXPECT_EQ(Names(*manager), c.expected) << "manager: " << c.label;
    }
}

Ref<HostItem> Host(int32_t typeId) { return std::make_shared<HostItem>(typeId); }

TEST(PanelLists, FailedOperationsReportAndChangeNothing)
{
    // p holds data, label, data, shape, then a host item that is no XYItem_Data, added while
    // its TypeID said gxyData; m holds panels A, B, C.
    const DoubleArray one({ 1 });
    const struct {
        const char* label;
        std::function<void(PanelData& p, PanelManager& m)> action;
        int32_t error;
        int32_t hostReports = gxyData; // the host item's TypeID when the action runs
    } cases[] = {
        { "Item get Count + 1", [](auto& p, auto&) { (void)p.Item(6); }, 9 },
        { "Item put INT32_MIN", [](auto& p, auto&) { p.Item(INT32_MIN, Host(0)); }, 9 },
        { "Item put absent", [](auto& p, auto&) { p.Item(1, nullptr); }, 91 },
        { "Move old 0", [](auto& p, auto&) { p.Move(0, 1); }, 9 },
        { "Move new Count + 1", [](auto& p, auto&) { p.Move(1, 6); }, 9 },
        { "Remove Count + 1", [](auto& p, auto&) { p.Remove(6); }, 9 },
        { "AddItem absent", [](auto& p, auto&) { p.AddItem(nullptr); }, 91 },
        { "AddItem TypeID 4", [](auto& p, auto&) { p.AddItem(Host(4)); }, 9 },
        { "CreateData DrawWidth 32768",
            [&](auto& p, auto&) { p.CreateData(one, one, 1, gdtLine, -1, "", 1, 0, 0, 0, 32768); },
            6 },
        { "CreateIntervalData DrawWidth -32769",
            [&](auto& p, auto&) {
                p.CreateIntervalData(0, 1, one, 1, gdtLine, -1, "", 1, 0, 0, 0, -32769);
            },
            6 },
        { "CreateShape DrawWidth INT32_MAX",
            [](auto& p, auto&) {
                p.CreateShape(gstLine, 0, 0, 1, 1, -1, "", 0, 0, 0, 1, INT32_MAX);
            },
            6 },
        { "CreateData Length beyond Y",
            [&](auto& p, auto&) {
                p.CreateData(DoubleArray({ 1, 2 }), one, 2, gdtLine);
            },
            9 },
        { "CreateIntervalData negative Length",
            [&](auto& p, auto&) { p.CreateIntervalData(0, 1, one, -1, gdtLine); }, 9 },
        { "Data view reaching the host item", [](auto& p, auto&) { (void)p.Data(3); }, 13 },
        { "Label view reaching the host", [](auto& p, auto&) { (void)p.Label(2); }, 13, gxyLabel },
        { "Shape view reaching the host", [](auto& p, auto&) { (void)p.Shape(2); }, 13, gxyShape },
        { "Remove an item whose TypeID left 0 .. 3", [](auto& p, auto&) { p.Remove(5); }, 9, 9 },
        { "Manager Add absent", [](auto&, auto& m) { m.Add(nullptr, 1); }, 91 },
        { "Manager Item put absent", [](auto&, auto& m) { m.Item(1, nullptr); }, 91 },
        { "Manager Item put 0", [](auto&, auto& m) { m.Item(0, NamedPanel('X')); }, 9 },
        { "Manager Move new 4", [](auto&, auto& m) { m.Move(1, 4); }, 9 },
        { "Manager Remove 0", [](auto&, auto& m) { m.Remove(0); }, 9 },
    };
    for (const auto& c : cases) {
        auto panel = MakePanel("DLDS");
        auto host = Host(gxyData);
        panel->AddItem(host);
        auto manager = MakeManager(3);
        host->Report(c.hostReports);
        EXPECT_EQ(ErrorOf([&] { c.action(*panel, *manager); }), c.error) << c.label;
        EXPECT_EQ(std::tuple(Names(*panel), panel->Item(5), Counts(*panel), Names(*manager)),
            std::tuple("ABCD", Ref<XYItem>(host), "3110", "ABC"))
            << c.label;
    }
}

TEST(PanelData, PerKindViewsWalkTypeIdAndTheCountersKeepInsertionKinds)
{
    auto panel = MakePanel("DLDS");
    EXPECT_EQ(std::tuple(panel->DataCount(), panel->LabelCount(), panel->ShapeCount()),
        std::tuple(2, 1, 1));
    EXPECT_EQ(std::tuple(panel->Data(2), panel->Label(1), panel->Shape(1)),
        std::tuple(panel->Item(3), panel->Item(2), panel->Item(4)));
    EXPECT_EQ(std::tuple(panel->Label(2), panel->Data(0), panel->Shape(INT32_MIN)),
        std::tuple(nullptr, nullptr, nullptr));

    panel->Remove(2);
    EXPECT_EQ(std::tuple(panel->LabelCount(), panel->Count()), std::tuple(0, 3));

    // A host item reporting gxyData_Y counts in slot 3, which no view shows.
    panel->AddItem(Host(gxyData_Y));
    EXPECT_EQ(Counts(*panel), "2011");
    EXPECT_EQ(panel->Data(3), nullptr);

    panel->Item(1, MakeItem('L', 'L'));
    EXPECT_EQ(Counts(*panel), "2011") << "Item put keeps the counters";
    EXPECT_EQ(panel->Label(1), panel->Item(1)) << "the views walk TypeID, not the counters";
}

// The long argument lists land in their properties in order (a swap shows as a wrong value).
TEST(PanelData, CreateAppliesTheArgumentsInOrderAndCopiesTheArrays)
{
    auto panel = MakePanel("S");
    DoubleArray x({ 1, 2, 3 });
    auto data = panel->CreateData(x, DoubleArray({ 4, 5, 6 }), 3, gdtDotted);
    x(0) = 100;
    auto label = panel->CreateLabel(1.5, 2.5, "text", 1);
    EXPECT_EQ(std::tuple(panel->Item(1), panel->Item(3), data->X(0)),
        std::tuple(Ref<XYItem>(label), Ref<XYItem>(data), 1.0))
        << "the label inserted first, the data appended with a copy of X";
    auto shape = panel->CreateShape(gstRectangle, 1, 2, 3, 4, -1, "s", 5, true, 6, false, 7);
    EXPECT_EQ(std::tuple(shape->X1(), shape->Y1(), shape->X2(), shape->Y2(), shape->Color(),
                  shape->FillColor(), shape->Enabled(), shape->DrawWidth()),
        std::tuple(1.0, 2.0, 3.0, 4.0, 5, 6, false, int16_t { 7 }));
    auto interval = panel->CreateIntervalData(
        10, 0.5, DoubleArray({ 1, 2, 3, 4 }), 4, gdtImpulse, -1, "s", false, 1, true, 2, 3, 4, 5);
    EXPECT_EQ(
        std::tuple(interval->XStart(), interval->XInterval(), interval->Color1(),
            interval->Color2(), interval->DrawWidth(), interval->DrawStyle(), interval->DrawMode()),
        std::tuple(10.0, 0.5, 1, 2, int16_t { 3 }, 4, 5));

    // A negative width that fits 16 bits is ignored by the DrawWidth put: the new item keeps 0.
    const DoubleArray one({ 1 });
    auto narrow = panel->CreateData(one, one, 1, gdtLine, -1, "", true, 255, false, 255, -5);
    EXPECT_EQ(narrow->DrawWidth(), int16_t { 0 });
}

TEST(GraphData, PutsRefuseAbsentObjects)
{
    GraphData d;
    EXPECT_NE(d.XAxis(), d.YAxis());
    const auto parts = std::tuple(d.XAxis(), d.YAxis(), d.Bounds(), d.PanelList());
    EXPECT_EQ(ErrorOf([&] { d.XAxis(nullptr); }), 91);
    EXPECT_EQ(ErrorOf([&] { d.YAxis(nullptr); }), 91);
    EXPECT_EQ(ErrorOf([&] { d.Bounds(nullptr); }), 91);
    EXPECT_EQ(std::tuple(d.XAxis(), d.YAxis(), d.Bounds(), d.PanelList()), parts);
}

} // namespace

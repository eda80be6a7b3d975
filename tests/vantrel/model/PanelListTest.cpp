// Panel and panel-manager lists: positions, moves, removal, per-kind views, creation, errors.
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vantrel/Error.h>
#include <vantrel/PanelData.h>
#include <vantrel/PanelManager.h>

using namespace vantrel;

namespace {

int32_t ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.Number();
    }
    return 0;
}

// A host's own item whose TypeID may say anything, even change over time.
class HostItem : public XYItem {
public:
    explicit HostItem(GraphXYItemConstants typeId)
        : typeId_(typeId)
    {
    }
    GraphXYItemConstants TypeID() const override { return typeId_; }
    void Report(GraphXYItemConstants typeId) { typeId_ = typeId; }

private:
    GraphXYItemConstants typeId_;
};

// An item of kind 'D' (data), 'L' (label) or 'S' (shape), named by one letter.
Ref<XYItem> MakeItem(char name, char kind)
{
    Ref<XYItem> item;
    if (kind == 'L')
        item = std::make_shared<XYItem_Label>();
    else if (kind == 'S')
        item = std::make_shared<XYItem_Shape>();
    else
        item = std::make_shared<XYItem_Data>();
    item->Name(std::string(1, name));
    return item;
}

// A panel holding items A, B, C, ... of the given kinds.
std::shared_ptr<PanelData> MakePanel(const std::string& kinds)
{
    auto panel = std::make_shared<PanelData>();
    for (std::size_t i = 0; i < kinds.size(); ++i)
        panel->AddItem(MakeItem(static_cast<char>('A' + i), kinds[i]));
    return panel;
}

// The names of the entries in list order (a bare XYItem adds nothing).
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

std::shared_ptr<PanelManager> MakeManager(int32_t count)
{
    auto manager = std::make_shared<PanelManager>();
    for (int32_t i = 0; i < count; ++i) {
        auto panel = std::make_shared<PanelData>();
        panel->Name(std::string(1, static_cast<char>('A' + i)));
        manager->Add(panel);
    }
    return manager;
}

enum class Op { Add, Move, Remove, Clear };

// One table for both lists: the new entry of Add is named D (data item or panel).
struct ListCase {
    const char* label;
    int32_t startCount;
    Op op;
    int32_t a;
    int32_t b;
    const char* expected;
};

const ListCase listCases[] = {
    { "add to empty at -1", 0, Op::Add, -1, 0, "D" },
    { "add to empty at 0", 0, Op::Add, 0, 0, "D" },
    { "add to empty at 1", 0, Op::Add, 1, 0, "D" },
    { "add to empty at 99", 0, Op::Add, 99, 0, "D" },
    { "add at 2 inserts before B", 3, Op::Add, 2, 0, "ADBC" },
    { "add at 1 inserts first", 3, Op::Add, 1, 0, "DABC" },
    { "add at 3 inserts before the last", 3, Op::Add, 3, 0, "ABDC" },
    { "add at 4 (Count + 1) appends", 3, Op::Add, 4, 0, "ABCD" },
    { "add at -1 appends", 3, Op::Add, -1, 0, "ABCD" },
    { "add at INT32_MIN appends", 3, Op::Add, INT32_MIN, 0, "ABCD" },
    { "add at INT32_MAX appends", 3, Op::Add, INT32_MAX, 0, "ABCD" },
    { "move 1 to 3", 4, Op::Move, 1, 3, "BCAD" },
    { "move 4 to 1", 4, Op::Move, 4, 1, "DABC" },
    { "move 2 to 2", 4, Op::Move, 2, 2, "ABCD" },
    { "move 3 to 4", 4, Op::Move, 3, 4, "ABDC" },
    { "remove first", 3, Op::Remove, 1, 0, "BC" },
    { "remove middle", 3, Op::Remove, 2, 0, "AC" },
    { "remove last", 3, Op::Remove, 3, 0, "AB" },
    { "remove the only entry", 1, Op::Remove, 1, 0, "" },
    { "remove on empty at 5 does nothing", 0, Op::Remove, 5, 0, "" },
    { "remove on empty at INT32_MIN does nothing", 0, Op::Remove, INT32_MIN, 0, "" },
    { "clear", 3, Op::Clear, 0, 0, "" },
};

// Runs one row on a panel of data items (names A, B, ...) and on a manager of panels.
template <class List, class MakeNew> void Apply(List& list, const ListCase& c, MakeNew makeNew)
{
    switch (c.op) {
    case Op::Add:
        list.Add(makeNew(), c.a);
        break;
    case Op::Move:
        list.Move(c.a, c.b);
        break;
    case Op::Remove:
        list.Remove(c.a);
        break;
    case Op::Clear:
        list.Clear();
        break;
    }
}

// PanelData's insertion is AddItem; the adapter gives both lists one spelling.
struct PanelAsList {
    PanelData& panel;
    void Add(const Ref<XYItem>& item, int32_t index) { panel.AddItem(item, index); }
    void Move(int32_t a, int32_t b) { panel.Move(a, b); }
    void Remove(int32_t index) { panel.Remove(index); }
    void Clear() { panel.Clear(); }
};

TEST(PanelLists, ListOperations)
{
    for (const auto& c : listCases) {
        auto panel = MakePanel(std::string(static_cast<std::size_t>(c.startCount), 'D'));
        PanelAsList asList { *panel };
        Apply(asList, c, [] { return MakeItem('D', 'D'); });
        EXPECT_EQ(Names(*panel), c.expected) << "panel: " << c.label;
        EXPECT_EQ(panel->DataCount(), panel->Count()) << "panel: " << c.label;

        auto manager = MakeManager(c.startCount);
        Apply(*manager, c, [] {
            auto panel = std::make_shared<PanelData>();
            panel->Name("D");
            return panel;
        });
        EXPECT_EQ(Names(*manager), c.expected) << "manager: " << c.label;
    }
}

// Data, label, data, shape, then a host item that reports gxyData but is no XYItem_Data;
// beside it a manager of panels A, B, C.
struct Lists {
    Ref<PanelData> panel = MakePanel("DLDS");
    Ref<HostItem> host = std::make_shared<HostItem>(gxyData);
    Ref<PanelManager> manager = MakeManager(3);
    Lists() { panel->AddItem(host); }
};

TEST(PanelLists, FailedOperationsReportAndChangeNothing)
{
    const DoubleArray one({ 1 });
    const struct {
        const char* label;
        std::function<void(Lists&)> action;
        int32_t error;
    } cases[] = {
        { "Item get 0", [](Lists& l) { (void)l.panel->Item(0); }, 9 },
        { "Item get Count + 1", [](Lists& l) { (void)l.panel->Item(6); }, 9 },
        { "Item put INT32_MIN", [](Lists& l) { l.panel->Item(INT32_MIN, MakeItem('X', 'D')); }, 9 },
        { "Item put absent", [](Lists& l) { l.panel->Item(1, nullptr); }, 91 },
        { "Move old 0", [](Lists& l) { l.panel->Move(0, 1); }, 9 },
        { "Move new Count + 1", [](Lists& l) { l.panel->Move(1, 6); }, 9 },
        { "Remove Count + 1", [](Lists& l) { l.panel->Remove(6); }, 9 },
        { "Remove -1", [](Lists& l) { l.panel->Remove(-1); }, 9 },
        { "AddItem absent", [](Lists& l) { l.panel->AddItem(nullptr); }, 91 },
        { "AddData absent", [](Lists& l) { l.panel->AddData(nullptr, 1); }, 91 },
        { "AddLabel absent", [](Lists& l) { l.panel->AddLabel(nullptr); }, 91 },
        { "AddShape absent", [](Lists& l) { l.panel->AddShape(nullptr); }, 91 },
        { "AddItem TypeID 4",
            [](Lists& l) {
                l.panel->AddItem(std::make_shared<HostItem>(static_cast<GraphXYItemConstants>(4)));
            },
            9 },
        { "AddItem TypeID -1",
            [](Lists& l) {
                l.panel->AddItem(std::make_shared<HostItem>(static_cast<GraphXYItemConstants>(-1)));
            },
            9 },
        { "CreateData DrawWidth 32768",
            [&](Lists& l) {
                l.panel->CreateData(one, one, 1, gdtLine, -1, "", true, 255, false, 255, 32768);
            },
            6 },
        { "CreateIntervalData DrawWidth -32769",
            [&](Lists& l) {
                l.panel->CreateIntervalData(
                    0, 1, one, 1, gdtLine, -1, "", true, 255, false, 255, -32769);
            },
            6 },
        { "CreateShape DrawWidth INT32_MAX",
            [](Lists& l) {
                l.panel->CreateShape(gstLine, 0, 0, 1, 1, -1, "", 255, false, 255, true, INT32_MAX);
            },
            6 },
        { "CreateData Length beyond Y",
            [&](Lists& l) {
                l.panel->CreateData(DoubleArray({ 1, 2 }), one, 2, gdtLine);
            },
            9 },
        { "CreateIntervalData negative Length",
            [&](Lists& l) { l.panel->CreateIntervalData(0, 1, one, -1, gdtLine); }, 9 },
        { "Data view reaching the host item", [](Lists& l) { (void)l.panel->Data(3); }, 13 },
        { "Label view reaching the host item",
            [](Lists& l) {
                l.host->Report(gxyLabel);
                (void)l.panel->Label(2);
            },
            13 },
        { "Shape view reaching the host item",
            [](Lists& l) {
                l.host->Report(gxyShape);
                (void)l.panel->Shape(2);
            },
            13 },
        { "Remove an item whose TypeID has left 0 .. 3",
            [](Lists& l) {
                l.host->Report(static_cast<GraphXYItemConstants>(9));
                l.panel->Remove(5);
            },
            9 },
        { "Manager Add absent", [](Lists& l) { l.manager->Add(nullptr, 1); }, 91 },
        { "Manager Item put absent", [](Lists& l) { l.manager->Item(1, nullptr); }, 91 },
        { "Manager Item put 0", [](Lists& l) { l.manager->Item(0, std::make_shared<PanelData>()); },
            9 },
        { "Manager Item get 4", [](Lists& l) { (void)l.manager->Item(4); }, 9 },
        { "Manager Move new 4", [](Lists& l) { l.manager->Move(1, 4); }, 9 },
        { "Manager Move old INT32_MAX", [](Lists& l) { l.manager->Move(INT32_MAX, 1); }, 9 },
        { "Manager Remove 0", [](Lists& l) { l.manager->Remove(0); }, 9 },
    };
    for (const auto& c : cases) {
        Lists lists;
        EXPECT_EQ(ErrorOf([&] { c.action(lists); }), c.error) << c.label;
        EXPECT_EQ(Names(*lists.panel), "ABCD") << c.label;
        EXPECT_EQ(lists.panel->Item(5), lists.host) << c.label;
        EXPECT_EQ(Counts(*lists.panel), "3110") << c.label;
        EXPECT_EQ(Names(*lists.manager), "ABC") << c.label;
    }
}

TEST(PanelData, PerKindViewsCountByTypeId)
{
    auto panel = MakePanel("DLDS");
    EXPECT_EQ(panel->DataCount(), 2);
    EXPECT_EQ(panel->LabelCount(), 1);
    EXPECT_EQ(panel->ShapeCount(), 1);
    EXPECT_EQ(panel->Data(2), panel->Item(3));
    EXPECT_EQ(panel->Label(1), panel->Item(2));
    EXPECT_EQ(panel->Shape(1), panel->Item(4));
    EXPECT_EQ(panel->Label(2), nullptr);
    EXPECT_EQ(panel->Data(0), nullptr);
    EXPECT_EQ(panel->Data(INT32_MIN), nullptr);
    EXPECT_EQ(panel->Shape(INT32_MAX), nullptr);

    panel->Remove(2);
    EXPECT_EQ(panel->LabelCount(), 0);
    EXPECT_EQ(panel->Count(), 3);

    // A host item reporting gxyData_Y counts in slot 3, which no view shows.
    panel->AddItem(std::make_shared<HostItem>(gxyData_Y));
    EXPECT_EQ(Counts(*panel), "2011");
    EXPECT_EQ(panel->Data(3), nullptr);

    panel->Item(1, MakeItem('L', 'L'));
    EXPECT_EQ(Counts(*panel), "2011") << "Item put keeps the counters";
    EXPECT_EQ(panel->Label(1), panel->Item(1)) << "the views walk TypeID, not the counters";
}

TEST(PanelLists, EntriesAreTheHostsObjects)
{
    auto data = std::make_shared<XYItem_Data>();
    auto first = std::make_shared<PanelData>();
    auto second = std::make_shared<PanelData>();
    first->AddData(data);
    first->AddData(data);
    second->AddItem(data);
    EXPECT_EQ(std::tuple(first->Count(), first->DataCount()), std::tuple(2, 2));
    data->Color1(7);
    first->Data(1)->GraphType(gdtCircle);
    EXPECT_EQ(std::tuple(second->Data(1)->Color1(), data->GraphType()), std::tuple(7, gdtCircle));

    PanelManager one;
    PanelManager two;
    one.Add(first);
    two.Add(first);
    one.Item(1)->Enabled(false);
    EXPECT_FALSE(two.Item(1)->Enabled());

    std::weak_ptr<XYItem_Data> watch = data;
    data.reset();
    first.reset();
    one.Clear();
    two.Remove(1);
    EXPECT_FALSE(watch.expired()) << "the second panel still holds it";
    second->Remove(1);
    EXPECT_TRUE(watch.expired());
}

TEST(PanelData, CreateAppliesTheDefaultsAndCopiesTheArrays)
{
    auto panel = MakePanel("S");
    DoubleArray x({ 1, 2, 3 });
    auto data = panel->CreateData(x, DoubleArray({ 4, 5, 6 }), 3, gdtDotted);
    x(0) = 100;
    EXPECT_EQ(panel->Item(2), data) << "appended";
    EXPECT_EQ(std::tuple(data->X(0), data->Length(), data->GraphType(), data->Enabled(),
                  data->Name(), data->Color1(), data->Color2(), data->DrawWidth(),
                  data->DrawStyle(), data->DrawMode(), data->InterleavedData()),
        std::tuple(1.0, 3, gdtDotted, true, "", 255, 255, int16_t { 1 }, 0, 13, false));

    auto label = panel->CreateLabel(1.5, 2.5, "text", 1);
    EXPECT_EQ(panel->Item(1), label);
    EXPECT_EQ(std::tuple(label->X(), label->Y(), label->Text(), label->Color(), label->Enabled()),
        std::tuple(1.5, 2.5, "text", 0, true));

    auto shape = panel->CreateShape(gstRectangle, 1, 2, 3, 4);
    EXPECT_EQ(std::tuple(shape->X1(), shape->Y1(), shape->X2(), shape->Y2(), shape->Color(),
                  shape->FillColor(), shape->Fill(), shape->DrawWidth(), shape->DrawMode()),
        std::tuple(1.0, 2.0, 3.0, 4.0, 255, 255, false, int16_t { 1 }, 13));
    EXPECT_EQ(Counts(*panel), "1120");
}

TEST(PanelData, CreateIntervalDataMakesAnIntervalSeries)
{
    PanelData panel;
    auto data = panel.CreateIntervalData(
        10, 0.5, DoubleArray({ 1, 2, 3, 4 }), 4, gdtImpulse, -1, "s", false, 1, true, 2, 3, 4, 5);
    EXPECT_EQ(std::tuple(data->UseInterval(), data->XStart(), data->XInterval(), data->Y(3),
                  data->Length(), data->Plottable()),
        std::tuple(true, 10.0, 0.5, 4.0, 4, true));
    EXPECT_EQ(std::tuple(data->Name(), data->Enabled(), data->Color1(), data->InterleavedData(),
                  data->Color2(), data->DrawWidth(), data->DrawStyle(), data->DrawMode()),
        std::tuple("s", false, 1, true, 2, int16_t { 3 }, 4, 5));
}

TEST(PanelData, NegativeDrawWidthThatFitsIsAddedWithWidthZero)
{
    PanelData panel;
    auto data = panel.CreateData(
        DoubleArray({ 1 }), DoubleArray({ 1 }), 1, gdtLine, -1, "", true, 255, false, 255, -5);
    auto shape = panel.CreateShape(gstLine, 0, 0, 1, 1, -1, "", 255, false, 255, true, -32768);
    EXPECT_EQ(std::tuple(panel.Count(), data->DrawWidth(), shape->DrawWidth()),
        std::tuple(2, int16_t { 0 }, int16_t { 0 }));
}

} // namespace

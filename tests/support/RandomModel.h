// Seeded random GraphData models for round-trip and concurrency tests: every item kind, random
// properties and tags, arrays with special values and lower bounds.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vantrel/GraphData.h>
#include <vantrel/HeadlessHost.h>
#include <vantrel/OrvGraph.h>
#include <vector>

namespace vantrel::testsupport {

class RandomModel {
public:
    explicit RandomModel(uint32_t seed)
        : random_(seed)
    {
    }

    // drawable: values and bounds a graph can show (special values only where a line breaks).
    Ref<GraphData> Make(bool drawable)
    {
        auto data = std::make_shared<GraphData>();
        data->Bounds()->Initialize(
            -10 - Real(0, 5), -10 - Real(0, 5), 10 + Real(0, 5), 10 + Real(0, 5));
        for (const Ref<Axis>& axis : { data->XAxis(), data->YAxis() }) {
            AxisFormatRecord format;
            format.Name = Pick({ "", "Time", "Température" });
            format.GridStyle = static_cast<GraphGridStyleConstants>(Int(0, 2));
            format.GridLines = Int(1, 12);
            format.GridColor = Int(0, 0xFFFFFF);
            format.Origin = Real(-5, 5);
            format.OriginStyle = static_cast<GraphGridStyleConstants>(Int(0, 2));
            format.Units = Pick({ "", "s", "mV" });
            format.Values = Int(0, 1) == 1;
            format.ValueFormat = static_cast<GraphAxisValueFormatConstants>(Int(0, 2));
            format.ValuePrecision = Int(1, 6);
            axis->Format()->SetRecord(format);
            if (!drawable && Int(0, 5) == 0)
                axis->Format(nullptr);
        }
        if (!drawable)
            data->XAxis()->AxisType(static_cast<GraphAxisTypeConstants>(Int(0, 1)));
        data->Tag(Tag());
        for (int p = Int(1, 3); p > 0; --p)
            data->PanelList()->Add(Panel(drawable));
        return data;
    }

    Variant Tag()
    {
        switch (Int(0, 6)) {
        case 1:
            return Int(0, 1) == 1;
        case 2:
            return static_cast<int16_t>(Int(-32768, 32767));
        case 3:
            return Int(INT32_MIN, INT32_MAX);
        case 4:
            return static_cast<float>(Special(false));
        case 5:
            return Special(false);
        case 6:
            return Pick({ "", "note", "µ \"quoted\"\n" });
        default:
            return Empty {};
        }
    }

private:
    int32_t Int(int32_t low, int32_t high)
    {
        return std::uniform_int_distribution<int32_t>(low, high)(random_);
    }
    double Real(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    std::string Pick(std::initializer_list<const char*> choices)
    {
        return *(choices.begin() + Int(0, static_cast<int32_t>(choices.size()) - 1));
    }

    // Ordinary values mostly; now and then NaN (with payloads), infinities, -0.0, subnormals.
    double Special(bool drawable)
    {
        switch (Int(0, drawable ? 12 : 9)) {
        case 0:
            return std::numeric_limits<double>::quiet_NaN();
        case 1:
            return std::bit_cast<double>(
                0xFFF0000000000001ull | (static_cast<uint64_t>(Int(0, 1 << 20)) << 4));
        case 2:
            return drawable ? std::numeric_limits<double>::quiet_NaN()
                            : std::numeric_limits<double>::infinity();
        case 3:
            return drawable ? 0.0 : -std::numeric_limits<double>::infinity();
        case 4:
            return -0.0;
        case 5:
            return drawable ? 1.0 : std::numeric_limits<double>::denorm_min() * Int(1, 1000);
        default:
            return Real(-12, 12);
        }
    }

    DoubleArray Array(int32_t count, int32_t lowerBound, bool drawable)
    {
        std::vector<double> values(static_cast<std::size_t>(count));
        for (double& v : values)
            v = Special(drawable);
        return DoubleArray(std::move(values), lowerBound);
    }

    Ref<PanelData> Panel(bool drawable)
    {
        auto panel = std::make_shared<PanelData>();
        panel->Name(Pick({ "", "Signals", "Limits" }));
        panel->Enabled(Int(0, 4) != 0);
        panel->Selected(Int(0, 1) == 1);
        panel->Tag(Tag());
        for (int i = Int(0, 5); i > 0; --i) {
            switch (Int(0, drawable ? 2 : 3)) {
            case 0:
                panel->AddData(Series(drawable));
                break;
            case 1: {
                auto label
                    = panel->CreateLabel(Real(-10, 10), Real(-10, 10), Pick({ "A", "peak", "" }));
                label->Color(Int(0, 0xFFFFFF));
                label->Enabled(Int(0, 4) != 0);
                label->Tag(Tag());
                break;
            }
            case 2: {
                auto shape = panel->CreateShape(static_cast<GraphShapeTypeConstants>(Int(0, 3)),
                    Real(-10, 10), Real(-10, 10), Real(-10, 10), Real(-10, 10));
                shape->Fill(Int(0, 1) == 1);
                shape->FillColor(Int(0, 0xFFFFFF));
                shape->Color(Int(0, 0xFFFFFF));
                shape->DrawWidth(static_cast<int16_t>(Int(0, 4)));
                shape->DrawStyle(Int(0, 6));
                shape->DrawMode(drawable ? 13 : Int(1, 16));
                shape->Name("shape");
                shape->Tag(Tag());
                break;
            }
            default:
                panel->AddItem(std::make_shared<XYItem>());
            }
        }
        return panel;
    }

    Ref<XYItem_Data> Series(bool drawable)
    {
        auto item = std::make_shared<XYItem_Data>();
        const int32_t count = Int(0, 3) == 0 ? Int(65, 300) : Int(1, 40);
        const int32_t lowerBound = drawable ? 0 : Int(-3, 3);
        switch (Int(0, 2)) {
        case 0:
            item->SetArrays(Array(count, lowerBound, drawable), Array(count, lowerBound, drawable),
                Int(0, count));
            break;
        case 1:
            item->UseInterval(true);
            item->SetYArray(Array(count, lowerBound, drawable), Int(0, count));
            item->XStart(Real(-10, 0));
            item->XInterval(Real(0.01, 1));
            break;
        default:
            // Interval first, then back to point mode: Length beyond the X pair.
            item->UseInterval(true);
            item->SetYArray(Array(count, lowerBound, drawable), Int(0, count));
            item->XStart(Real(-10, 0));
            item->UseInterval(false);
        }
        item->MaxLength(Int(0, 2) == 0 ? Int(1, 100) : 0);
        item->GraphType(static_cast<GraphDataTypeConstants>(Int(0, 6)));
        item->Color1(Int(0, 0xFFFFFF));
        item->Color2(Int(0, 0xFFFFFF));
        item->InterleavedData(!drawable && Int(0, 3) == 0);
        item->DrawWidth(static_cast<int16_t>(Int(0, 3)));
        item->DrawStyle(Int(0, 6));
        item->DrawMode(drawable ? 13 : Int(1, 16));
        item->Name(Pick({ "", "x", "Kanal 1" }));
        item->Enabled(Int(0, 5) != 0);
        item->Tag(Tag());
        return item;
    }

    std::mt19937 random_;
};

// The control's screen after DrawFromSources of `data` on a fresh off-screen host.
inline std::vector<uint32_t> DrawnScreen(const Ref<GraphData>& data, int32_t width, int32_t height)
{
    HeadlessHost host(width, height);
    host.InitNew();
    host.Graph().DrawFromSources(data, true, true, true);
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            pixels.push_back(host.ScreenPixel(x, y));
    return pixels;
}

} // namespace vantrel::testsupport

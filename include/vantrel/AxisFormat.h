// AxisFormat: every formatting setting of one axis.
#pragma once

#include <string>
#include <vantrel/Records.h>
#include <vantrel/Ref.h>

namespace vantrel {

class AxisFormat {
public:
    // Replaces the whole record by a copy of NewFormat's; Error 91 for an absent source.
    void Copy(const Ref<AxisFormat>& NewFormat);

    const std::string& Name() const { return record_.Name; }
    void Name(const std::string& value) { record_.Name = value; }
    const std::string& Units() const { return record_.Units; }
    void Units(const std::string& value) { record_.Units = value; }
    GraphGridStyleConstants GridStyle() const { return record_.GridStyle; }
    void GridStyle(GraphGridStyleConstants value) { record_.GridStyle = value; }
    GraphGridStyleConstants OriginStyle() const { return record_.OriginStyle; }
    void OriginStyle(GraphGridStyleConstants value) { record_.OriginStyle = value; }
    int32_t GridLines() const { return record_.GridLines; }
    // Values of 0 or less are ignored silently.
    void GridLines(int32_t value);
    int32_t GridColor() const { return record_.GridColor; }
    void GridColor(int32_t value) { record_.GridColor = value; }
    int32_t OriginColor() const { return record_.OriginColor; }
    void OriginColor(int32_t value) { record_.OriginColor = value; }
    bool Values() const { return record_.Values; }
    void Values(bool value) { record_.Values = value; }
    bool ToolTipValues() const { return record_.ToolTipValues; }
    void ToolTipValues(bool value) { record_.ToolTipValues = value; }
    GraphAxisValueFormatConstants ValueFormat() const { return record_.ValueFormat; }
    void ValueFormat(GraphAxisValueFormatConstants value) { record_.ValueFormat = value; }
    int32_t ValuePrecision() const { return record_.ValuePrecision; }
    void ValuePrecision(int32_t value) { record_.ValuePrecision = value; }
    double Origin() const { return record_.Origin; }
    void Origin(double value) { record_.Origin = value; }

    // Internal: record copies for the control.
    AxisFormatRecord GetRecord() const { return record_; }
    void SetRecord(const AxisFormatRecord& record) { record_ = record; }

private:
    AxisFormatRecord record_;
};

} // namespace vantrel

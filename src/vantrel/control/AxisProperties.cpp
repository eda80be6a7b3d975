// The control's own X and Y axis format records: stored and notified, applied at the next layout.
#include "control/OrvGraphImpl.h"

namespace vantrel {

namespace {

template <class Field, class Value>
void Store(AxisFormatRecord& record, Field AxisFormatRecord::*field, Value value)
{
    record.*field = static_cast<Field>(value);
}

} // namespace

// Each property stores its field and notifies, also when the value is unchanged.
#define VANTREL_FORMAT_PROPERTY(Property, Record, Field, Type)                                     \
    void OrvGraph::Impl::Property(Type value)                                                      \
    {                                                                                              \
        Store(Record, &AxisFormatRecord::Field, value);                                            \
        Notify(#Property);                                                                         \
    }

VANTREL_FORMAT_PROPERTY(XGridStyle, xFormat_, GridStyle, GraphGridStyleConstants)
VANTREL_FORMAT_PROPERTY(XGridColor, xFormat_, GridColor, OleColor)
VANTREL_FORMAT_PROPERTY(XAxisName, xFormat_, Name, const std::string&)
VANTREL_FORMAT_PROPERTY(XAxisUnits, xFormat_, Units, const std::string&)
VANTREL_FORMAT_PROPERTY(XAxisValues, xFormat_, Values, bool)
VANTREL_FORMAT_PROPERTY(XAxisToolTip, xFormat_, ToolTipValues, bool)
VANTREL_FORMAT_PROPERTY(XAxisValueFormat, xFormat_, ValueFormat, GraphAxisValueFormatConstants)
VANTREL_FORMAT_PROPERTY(XAxisValuePrecision, xFormat_, ValuePrecision, int32_t)
VANTREL_FORMAT_PROPERTY(XOrigin, xFormat_, Origin, double)
VANTREL_FORMAT_PROPERTY(XOriginColor, xFormat_, OriginColor, OleColor)
VANTREL_FORMAT_PROPERTY(XOriginStyle, xFormat_, OriginStyle, GraphGridStyleConstants)

VANTREL_FORMAT_PROPERTY(YGridStyle, yFormat_, GridStyle, GraphGridStyleConstants)
VANTREL_FORMAT_PROPERTY(YGridColor, yFormat_, GridColor, OleColor)
VANTREL_FORMAT_PROPERTY(YAxisName, yFormat_, Name, const std::string&)
VANTREL_FORMAT_PROPERTY(YAxisUnits, yFormat_, Units, const std::string&)
VANTREL_FORMAT_PROPERTY(YAxisValues, yFormat_, Values, bool)
VANTREL_FORMAT_PROPERTY(YAxisToolTip, yFormat_, ToolTipValues, bool)
VANTREL_FORMAT_PROPERTY(YAxisValueFormat, yFormat_, ValueFormat, GraphAxisValueFormatConstants)
VANTREL_FORMAT_PROPERTY(YAxisValuePrecision, yFormat_, ValuePrecision, int32_t)
VANTREL_FORMAT_PROPERTY(YOrigin, yFormat_, Origin, double)
VANTREL_FORMAT_PROPERTY(YOriginColor, yFormat_, OriginColor, OleColor)
VANTREL_FORMAT_PROPERTY(YOriginStyle, yFormat_, OriginStyle, GraphGridStyleConstants)

#undef VANTREL_FORMAT_PROPERTY

// A grid needs at least one line: 0 or less is ignored silently, without a notification.
void OrvGraph::Impl::XGridLines(int32_t value)
{
    if (value <= 0)
        return;
    xFormat_.GridLines = value;
    Notify("XGridLines");
}

void OrvGraph::Impl::YGridLines(int32_t value)
{
    if (value <= 0)
        return;
    yFormat_.GridLines = value;
    Notify("YGridLines");
}

} // namespace vantrel

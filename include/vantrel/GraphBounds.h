// GraphBounds: the value rectangle of a graph. Never validated or reordered.
#pragma once

#include <vantrel/Records.h>
#include <vantrel/Ref.h>

namespace vantrel {

class GraphBounds {
public:
    // Note the argument order differs from the record order.
    void Initialize(double XMin, double YMin, double XMax, double YMax);
    // Raises Error 91 for an absent source, leaving this object unchanged.
    void Copy(const Ref<GraphBounds>& Bounds);

    double XMax() const { return record_.XMax; }
    void XMax(double value) { record_.XMax = value; }
    double XMin() const { return record_.XMin; }
    void XMin(double value) { record_.XMin = value; }
    double YMax() const { return record_.YMax; }
    void YMax(double value) { record_.YMax = value; }
    double YMin() const { return record_.YMin; }
    void YMin(double value) { record_.YMin = value; }

    // Internal: record copies for the control.
    BoundsRecord GetRecord() const { return record_; }
    void SetRecord(const BoundsRecord& record) { record_ = record; }

private:
    BoundsRecord record_;
};

} // namespace vantrel

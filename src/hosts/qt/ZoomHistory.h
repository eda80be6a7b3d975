// The zoom history of a GraphWidget: the bounds shown after each zoom, with a position to step
// back and forward from.
#pragma once

#include <cstddef>
#include <optional>
#include <vantrel/Records.h>
#include <vector>

namespace vantrel::qt {

class ZoomHistory {
public:
    // A zoom from `before` to `after`: entries past the present one are dropped, as a browser
    // drops its forward pages.
    void Record(const BoundsRecord& before, const BoundsRecord& after);
    // The bounds to show, moving the position; nothing at either end.
    std::optional<BoundsRecord> Back();
    std::optional<BoundsRecord> Forward();

private:
    std::vector<BoundsRecord> entries_;
    std::size_t at_ = 0;
};

} // namespace vantrel::qt

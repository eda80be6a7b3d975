// The window-less control container.
#include <vantrel/hostkit/SimpleContainer.h>

namespace vantrel::hostkit {

SimpleContainer::SimpleContainer(float widthTwips, float heightTwips, bool userMode)
    : width_(widthTwips)
    , height_(heightTwips)
    , userMode_(userMode)
{
}

void SimpleContainer::PropertyChanged(std::string_view name) { changes_.emplace_back(name); }

void SimpleContainer::SetSize(float widthTwips, float heightTwips)
{
    width_ = widthTwips;
    height_ = heightTwips;
}

} // namespace vantrel::hostkit

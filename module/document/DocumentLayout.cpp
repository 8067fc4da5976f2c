#include "module/document/DocumentLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace brisance {

namespace {

// The view is laid out this much narrower than it says it needs.
constexpr int kViewWidthAllowance = 50;

std::int16_t To16Bits(double value)
{
    const double rounded = std::nearbyint(value);
    return static_cast<std::int16_t>(std::clamp(rounded, 0.0, double(std::numeric_limits<std::int16_t>::max())));
}

// The bar of a view of `needed` twips in a port of `available` twips.
ScrollBarSettings BarFor(int needed, int available)
{
    ScrollBarSettings bar;
    bar.needed = true;
    const int hidden = needed - available;
    bar.max = To16Bits(hidden);
    bar.largeChange = needed > 0 ? To16Bits(double(available) * bar.max / needed) : 0;
    bar.smallChange = bar.largeChange;
    return bar;
}

}  // namespace

PanelLayout LayoutPanels(const PanelLayoutInput& input)
{
    PanelLayout layout;
    int portWidth = std::max(0, input.clientWidth);
    int portHeight = std::max(0, input.clientHeight);

    int width = input.widthNeeded(portWidth);
    if (portWidth < width) {
        layout.horizontal = BarFor(width, portWidth);
        if (portHeight - input.horizontalBarHeight > 0)
            portHeight -= input.horizontalBarHeight;
    }

    const int height = input.heightNeeded;
    if (portHeight < height) {
        layout.vertical = BarFor(height, portHeight);
        portWidth = std::max(0, portWidth - input.verticalBarWidth);
    }

    width = input.widthNeeded(portWidth);
    if (layout.horizontal.needed) {
        layout.horizontal = BarFor(width, portWidth);
    } else if (portWidth < width) {
        layout.horizontal = BarFor(width, portWidth);
        portHeight = std::max(0, portHeight - input.horizontalBarHeight);
    }

    layout.portWidth = portWidth;
    layout.portHeight = portHeight;
    layout.viewWidth = std::max(0, width - kViewWidthAllowance);
    layout.viewHeight = std::max(0, std::max(portHeight, height));
    return layout;
}

}  // namespace brisance

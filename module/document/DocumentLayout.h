#pragma once
// Where the shown view goes in the document's view port, and when the port
// needs its scroll bars: a pure function of the sizes, in twips, whose result
// the document applies to its controls.

#include <cstdint>
#include <functional>

namespace brisance {

struct ScrollBarSettings {
    bool needed = false;
    std::int16_t max = 0;
    std::int16_t largeChange = 0;
    std::int16_t smallChange = 0;
};

struct PanelLayoutInput {
    // The tab strip's client area, which the port fills at first.
    int clientWidth = 0;
    int clientHeight = 0;
    // The view's WidthNeeded for an available width, and its HeightNeeded.
    std::function<int(int)> widthNeeded;
    int heightNeeded = 0;
    // The horizontal bar's height and the vertical bar's width.
    int horizontalBarHeight = 0;
    int verticalBarWidth = 0;
};

struct PanelLayout {
    int portWidth = 0;
    int portHeight = 0;
    int viewWidth = 0;
    int viewHeight = 0;
    ScrollBarSettings horizontal;
    ScrollBarSettings vertical;
};

// The port takes the client area; a view wider than the port gets the
// horizontal bar (the port losing the bar's height), one higher than the port
// the vertical bar (the port losing the bar's width), and the width is asked
// again for the narrower port, which can make the horizontal bar needed after
// all. A bar's Max is what does not fit, its LargeChange (and SmallChange) the
// port's share of the view scaled to Max. The view is 50 twips narrower than
// it needs and at least as high as the port. Sizes never go below 0, and the
// bars' values stay within 16 bits.
PanelLayout LayoutPanels(const PanelLayoutInput& input);

}  // namespace brisance

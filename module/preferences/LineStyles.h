#pragma once
// The line styles a test's curve can take, as the test-properties dialog
// offers them in its three line-style combos: a table of (line style, line
// width) pairs and the pictures that show them.
//
// Line-style numbers are the chart's curve-line styles, which are the pen
// styles it draws with: 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4
// dash-dot-dot, 5 no line.

#include "platform/com/ComPtr.h"
#include "platform/gfx/ImageList.h"

#include <array>
#include <cstdint>

namespace brisance {

struct LineStyleEntry {
    std::int16_t style;
    std::int16_t width;
    friend bool operator==(const LineStyleEntry&, const LineStyleEntry&) = default;
};

// Entry i belongs to combo item i (1 to 10); entry 0 stays (0, 0) and no item
// refers to it.
inline constexpr std::array<LineStyleEntry, 11> kLineStyleTable = {{
    {0, 0},
    {5, 1},
    {0, 1},
    {1, 1},
    {2, 1},
    {3, 1},
    {4, 1},
    {0, 2},
    {0, 3},
    {0, 4},
    {0, 5},
}};

// The pictures of items 1 to 10: each a black line drawn with the pen the
// chart makes for a curve of that style and width, so that a combo shows what
// the chart will draw.
platform::com::ComPtr<platform::gfx::ImageList> CreateLineStyleImages();

}  // namespace brisance

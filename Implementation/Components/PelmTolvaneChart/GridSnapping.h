#pragma once
// Where the cross-hair may stop: the custom grid lines of an axis, each list
// sorted by Position. The values are whole numbers, as the cross-hair and its
// events carry them; -1 stands for "no grid line".

#include "CGridLine.h"

#include <cstdint>
#include <vector>

namespace lumenplot {

inline constexpr std::int32_t kNoGridLine = -1;

// A grid position as a whole value: truncated toward zero, clamped to the
// 32-bit range; NaN gives kNoGridLine.
std::int32_t wholeGridValue(double position);

// The grid line nearest to v, a tie going to the higher Position; values
// beyond either end go to the line at that end. Invisible lines take part.
// kNoGridLine for an empty list.
std::int32_t SnapToGridLine(double v, const std::vector<CGridLine>& gridLines);

// The first grid line's value; kNoGridLine for an empty list.
std::int32_t FirstGridPosition(const std::vector<CGridLine>& gridLines);

// The arrow keys' steps from a highlighted value (kNoHighlight included): the
// nearest grid value below it, or the first grid value when none is below;
// the nearest grid value above it, or kNoGridLine when none is above.
std::int32_t PreviousGridPosition(std::int32_t value, const std::vector<CGridLine>& gridLines);
std::int32_t NextGridPosition(std::int32_t value, const std::vector<CGridLine>& gridLines);

}  // namespace lumenplot

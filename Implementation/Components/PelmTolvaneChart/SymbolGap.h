#pragma once
// Where a segment between two symbols starts and ends when it stops short of
// them by the symbol-to-line gap, in whole pixels.

namespace lumenplot {

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The point `gap` pixels from `from` toward `to`; the horizontal offset runs
// rightward, which matches the X order of a line's points. Integer arithmetic
// truncating toward zero; coincident points give `from` itself.
PixelPoint ComputeGapStart(PixelPoint from, PixelPoint to, int gap);
// The point `gap` pixels from `to` back toward `from`, running leftward.
PixelPoint ComputeGapEnd(PixelPoint from, PixelPoint to, int gap);

}  // namespace lumenplot

#pragma once
// A group of check boxes of an option page stored as one 32-bit mask: bit n
// belongs to the box at index n of the group. A group holds at most 31 boxes
// (indexes 0 to 30).

#include <cstdint>
#include <vector>

class QCheckBox;

namespace brisance {

// The bits of the ticked boxes; a greyed box is not ticked, and a null entry
// (an index without a box) is passed over. A ticked box at index 31 or more
// does not fit and raises 6 (overflow).
std::int32_t CheckBoxesToMask(const std::vector<QCheckBox*>& chkBoxes);

// Ticks each box whose bit is set and unticks every other one; bits beyond
// the last box are ignored, and a box at index 31 or more is unticked. A null entry raises 340 (no such element), after
// the boxes before it are set.
void MaskToCheckBoxes(const std::vector<QCheckBox*>& chkBoxes, std::int32_t lngMask);

}  // namespace brisance

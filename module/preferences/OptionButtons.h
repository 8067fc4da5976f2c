#pragma once
// A group of option buttons (a control array of radio buttons) read and set
// by index, where "none selected" is a state of its own: a stored value that
// names no option shows no option selected.
//
// Option pages keep a group in a stored mask as a table of bits, one per
// option from index 0; options past the table's end have no bit.

#include <cstdint>
#include <span>
#include <vector>

class QRadioButton;

namespace brisance {

// Selects the option at the index and no other; an index outside the group
// selects none.
void SelectOption(const std::vector<QRadioButton*>& optGroup, int index);

// The index of the first selected option, or -1 when none is.
int SelectedOption(const std::vector<QRadioButton*>& optGroup);

// Selects the first option whose bit the mask holds, or, with none, the
// option at `otherwise` (-1: no option).
void SelectOptionByMask(const std::vector<QRadioButton*>& optGroup, std::span<const std::int32_t> bits,
                        std::int32_t mask, int otherwise = -1);

// The bit of the selected option; 0 when none is selected or it has no bit.
std::int32_t MaskOfSelectedOption(const std::vector<QRadioButton*>& optGroup, std::span<const std::int32_t> bits);

}  // namespace brisance

#include "module/preferences/OptionButtons.h"

#include <QRadioButton>

namespace brisance {

void SelectOption(const std::vector<QRadioButton*>& optGroup, int index)
{
    for (int i = 0; i < static_cast<int>(optGroup.size()); ++i) {
        QRadioButton& option = *optGroup[static_cast<std::size_t>(i)];
        if (i == index) {
            option.setChecked(true);
        } else if (option.isChecked()) {
            // An exclusive button refuses to be unticked on its own.
            option.setAutoExclusive(false);
            option.setChecked(false);
            option.setAutoExclusive(true);
        }
    }
}

int SelectedOption(const std::vector<QRadioButton*>& optGroup)
{
    for (int i = 0; i < static_cast<int>(optGroup.size()); ++i)
        if (optGroup[static_cast<std::size_t>(i)]->isChecked())
            return i;
    return -1;
}

}  // namespace brisance

namespace brisance {

void SelectOptionByMask(const std::vector<QRadioButton*>& optGroup, std::span<const std::int32_t> bits,
                        std::int32_t mask, int otherwise)
{
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (mask & bits[i]) {
            SelectOption(optGroup, static_cast<int>(i));
            return;
        }
    }
    SelectOption(optGroup, otherwise);
}

std::int32_t MaskOfSelectedOption(const std::vector<QRadioButton*>& optGroup, std::span<const std::int32_t> bits)
{
    const int selected = SelectedOption(optGroup);
    return selected >= 0 && static_cast<std::size_t>(selected) < bits.size() ? bits[static_cast<std::size_t>(selected)]
                                                                             : 0;
}

}  // namespace brisance

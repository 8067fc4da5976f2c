#include "module/preferences/CheckBoxMasks.h"

#include "platform/runtime/RuntimeError.h"

#include <QCheckBox>

#include <string>

namespace brisance {

namespace {

// The highest bit of a signed 32-bit mask that a box may own.
constexpr std::size_t kLastMaskBit = 30;

}  // namespace

std::int32_t CheckBoxesToMask(const std::vector<QCheckBox*>& chkBoxes)
{
    std::int32_t mask = 0;
    for (std::size_t index = 0; index < chkBoxes.size(); ++index) {
        const QCheckBox* box = chkBoxes[index];
        if (!box || box->checkState() != Qt::Checked)
            continue;
        if (index > kLastMaskBit)
            platform::runtime::raise(platform::runtime::errors::Overflow);
        mask |= std::int32_t{1} << index;
    }
    return mask;
}

void MaskToCheckBoxes(const std::vector<QCheckBox*>& chkBoxes, std::int32_t lngMask)
{
    const auto bits = static_cast<std::uint32_t>(lngMask);
    for (std::size_t index = 0; index < chkBoxes.size(); ++index) {
        QCheckBox* box = chkBoxes[index];
        if (!box)
            platform::runtime::raise(platform::runtime::errors::ControlArrayElementMissing,
                                     "Control array element '" + std::to_string(index) + "' doesn't exist");
        const bool ticked = index <= kLastMaskBit && (bits >> index & 1U) != 0;
        box->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

}  // namespace brisance

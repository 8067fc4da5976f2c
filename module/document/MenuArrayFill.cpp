#include "module/document/MenuArrayFill.h"

#include "module/core/CPaletteItems.h"
#include "module/document/MenuControlArray.h"

#include <string>

namespace brisance {

void FillMenuArray(MenuControlArray& mnuArray, const CPaletteItems& oItems)
{
    for (std::int32_t index = mnuArray.UBound(); index >= 1; --index) {
        if (mnuArray.Exists(index))
            mnuArray.Unload(index);
    }
    // An empty collection leaves entry 0 as it was.

    std::int32_t index = 0;
    for (const auto& item : oItems) {
        if (!mnuArray.Exists(index))
            mnuArray.Load(index);
        mnuArray.Caption(index, item->CurvePreferences->Label);
        mnuArray.Checked(index, !item->HideInGraph);
        mnuArray.Tag(index, std::to_string(item->ID));
        ++index;
    }
}

}  // namespace brisance

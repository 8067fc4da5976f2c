#include "module/core/CPaletteItem.h"

namespace brisance {

void CPaletteItem::CopyTo(CPaletteItem& oDestObject) const
{
    oDestObject.ID = ID;
    oDestObject.Key = Key;
    oDestObject.Binaural = Binaural;
    oDestObject.HideInGraph = HideInGraph;
    oDestObject.HasData = HasData;
    oDestObject.ConditionDescription = ConditionDescription;
    oDestObject.TransducerDescription = TransducerDescription;
    oDestObject.WordList = WordList;
    oDestObject.NumberOfWords = NumberOfWords;
}

}  // namespace brisance

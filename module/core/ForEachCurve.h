#pragma once
// Each curve of an enumerated Vellum curve collection in turn, as the curve's
// own interface: ForEachCurve<vellum::IVellumPureToneCurve>(curves->get__NewEnum(), visit).
// The enumerator walks a snapshot, so the visit may remove curves.

#include "platform/com/ComPtr.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/runtime/Variant.h"

namespace brisance {

template <class Curve, class Visit>
void ForEachCurve(const platform::com::ComPtr<platform::com::IEnumVARIANT>& curves, Visit visit)
{
    platform::runtime::Variant item;
    while (curves->Next(1, &item, nullptr) == platform::com::S_OK)
        visit(*item.toObject().template as<Curve>());
}

}  // namespace brisance

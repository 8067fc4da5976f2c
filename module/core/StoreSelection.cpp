#include "module/core/StoreSelection.h"

namespace brisance {

std::vector<std::string> SelectedSectionKeys(vellum::IVellumKeyedStore& store)
{
    std::vector<std::string> keys;
    const auto enumerator = store.get__NewEnum();
    platform::runtime::Variant key;
    while (enumerator->Next(1, &key, nullptr) == platform::com::S_OK)
        keys.push_back(key.toString());
    return keys;
}

}  // namespace brisance

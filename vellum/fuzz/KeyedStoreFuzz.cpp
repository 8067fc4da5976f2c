// The keyed store's loads on any bytes: the first byte picks the whole store,
// one section or one category, the rest is the data. A load that succeeds
// gives a store whose saved bytes load again to the same saved bytes; a
// refused load leaves the store as it was.

#include "vellum/VellumKeyedStore.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/testing/FuzzExpect.h"

#include <cstdint>
#include <span>

using namespace vellum;
using platform::com::make;
using platform::testing::fuzzExpect;

namespace {

struct Form {
    Variant (IVellumKeyedStore::*save)();
    void (IVellumKeyedStore::*load)(const Variant&);
};

constexpr Form kForms[] = {
    {&IVellumKeyedStore::get_Data, &IVellumKeyedStore::put_Data},
    {&IVellumKeyedStore::get_SectionData, &IVellumKeyedStore::put_SectionData},
    {&IVellumKeyedStore::get_CategoryData, &IVellumKeyedStore::put_CategoryData},
};

// A store with a value in the selected section and one in another category.
ComPtr<IVellumKeyedStore> filledStore()
{
    const ComPtr<IVellumKeyedStore> store = make<VellumKeyedStore>();
    store->put_Category(100);
    store->put_Value("Ratio", Variant(0.75));
    store->put_Category(0);
    store->put_Section(3);
    store->put_Value("Profile", Variant("Adult"));
    return store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Form& form = kForms[data[0] % std::size(kForms)];
    const Variant bytes = Variant::fromBytes(std::span(data + 1, size - 1));

    const ComPtr<IVellumKeyedStore> store = filledStore();
    const Variant before = store->get_Data();
    try {
        ((*store).*form.load)(bytes);
    } catch (const platform::runtime::RuntimeError&) {
        fuzzExpect(store->get_Data() == before, "a refused load leaves the store as it was");
        return 0;
    }
    const Variant saved = ((*store).*form.save)();
    const ComPtr<IVellumKeyedStore> copy = filledStore();
    ((*copy).*form.load)(saved);
    fuzzExpect(((*copy).*form.save)() == saved, "a loaded store saves as it loads");
    const Variant whole = store->get_Data();
    copy->put_Data(whole);
    fuzzExpect(copy->get_Data() == whole, "the whole store saves as it loads after any load");
    return 0;
}

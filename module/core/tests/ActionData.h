#pragma once
// Stored contents for host actions in tests: the busy audiogram of Vellum's
// test fixture as an audiogram action's public data and as the two values of
// an ear's impedance action, and the bytes of a notes store.

#include "vellum/AudiogramFormat.h"
#include "vellum/EarImpedance.h"
#include "vellum/tests/AudiogramFixture.h"

#include "host/Records.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/com/Creation.h"

#include <cstdint>
#include <string>

namespace brisance::testing {

inline host::Bytes FullAudiogramData(std::int32_t format = 200)
{
    return vellum::writeAudiogram(vellum::testing::fullAudiogram(), format);
}

// The busy audiogram without its tympanograms: what the impedance actions
// add shows apart from what the audiogram action brings.
inline host::Bytes AudiogramDataWithoutTympanograms()
{
    vellum::AudiogramContent content = vellum::testing::fullAudiogram();
    content.tympanograms.clear();
    return vellum::writeAudiogram(content, 200);
}

// The curves' descriptions: what this module keeps as the private data of a
// format-100 audiogram action.
inline host::Bytes FullAudiogramDescriptions()
{
    return vellum::writeDescriptions(vellum::testing::fullAudiogram());
}

// Ear 3 left, 2 right, in format 100.
inline vellum::EarImpedanceData FullImpedance(std::int32_t ear)
{
    return vellum::splitEarImpedance(vellum::testing::fullAudiogram(), ear, 100);
}

// A notes store's content with one value in category 0, section 0.
inline host::Bytes NotesData(const std::string& key, const std::string& value)
{
    const auto store = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
    store->put_Category(0);
    store->put_Section(0);
    store->put_Value(key, value);
    return store->get_Data().toBytes();
}

}  // namespace brisance::testing

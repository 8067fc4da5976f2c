#pragma once
// The tests of the module, keyed by notation key, in the order they were
// added, with their stored form in the preference store.
//
// Stored form, in category 100 of the preference store beside the global
// options (section 0):
//   section 1             the index: notation key -> the test's record
//                         section (a 32-bit number, CurveID + 1000)
//   section CurveID+1000  the test's record: "Notation" (the label),
//                         "AidedCondition", "TestType", "PrefType", "WordList",
//                         "LeftSym", "RightSym", "BinauralSym" (six symbol
//                         numbers as "n,n,n,n,n,n"), "LeftLineColor",
//                         "RightLineColor", "BinauralLineColor" and the six
//                         "...LineStyle"/"...LineWidth" values.
// These keys and forms live in every user's module data and in exported
// profiles: they never change.
//
// Errors are raised to the caller: the collection's (457 duplicate key, 5
// unknown key, 9 bad position) and the store's. Item and ItemExist never raise.

#include "module/core/CCurvePref.h"

#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/runtime/Collection.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <memory>
#include <string>

namespace brisance {

class CCurvePrefs {
public:
    using Entry = std::shared_ptr<CCurvePref>;

    // The preference store's category of the curve preferences, and its index section.
    static constexpr std::int16_t kCategory = 100;
    static constexpr std::int16_t kIndexSection = 1;

    // A new test with the next CurveID and this notation key, added at the end
    // under the key, or without a collection key when sKey is empty. A key
    // already held raises 457, after the counter has moved on.
    Entry Add(const std::string& sKey);
    // The test with this notation key, or at this 1-based position; null when
    // there is none.
    Entry Item(const platform::runtime::Variant& vntIndexKey) const;
    // The first test, in collection order, with this CurveID; null when none.
    Entry ItemByCurveID(std::int32_t lngCurveID) const;
    // The first test whose TestType and Condition are the record's CurveType
    // and Condition; null when none.
    Entry ItemByMeasuredCondition(const platform::com::ComPtr<vellum::IVellumMeasurement>& oMeas) const;
    // The first test with this TestType and Condition; null when none.
    Entry ItemByCurveAndCondition(std::int32_t CurveType, std::int32_t Condition) const;
    bool ItemExist(const platform::runtime::Variant& vntIndexKey) const;
    std::int32_t Count() const;
    void Remove(const platform::runtime::Variant& vntIndexKey);

    // Enumeration in collection order.
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    // Replaces the stored tests by the collection's, each test under section
    // CurveID + 1000. The store's category and section are selected again
    // afterwards. A failing write puts category 100 back as it was before the
    // save and raises: the stored tests are never left half erased.
    void SaveToPreferences(vellum::IVellumKeyedStore& oPref) const;
    // Replaces the collection by the stored tests, in the index's order, with
    // CurveIDs counted from 1. Index entries that name no record section (1001
    // to 32767) and records without a "Notation" text are skipped; a stored
    // number that cannot be read reads as 0. The store's category and section
    // are selected again afterwards.
    void LoadFromPreferences(vellum::IVellumKeyedStore& oPref);

private:
    void RemoveAllCurvePrefs();

    platform::runtime::Collection<Entry> m_items;
    std::int32_t m_nextCurveID = 1;
};

}  // namespace brisance

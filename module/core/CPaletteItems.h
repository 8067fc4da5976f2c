#pragma once
// The palette items of a view, in the order they were added. Items are found
// by walking the collection; every lookup gives the first match, or null, and
// never raises.
//
// Each item gets an ID that no item of the collection carries: the next ID
// starts at 0 and counts up with every Add, and never falls to an ID that an
// item already has, even one set by CPaletteItem::CopyTo. A palette restored
// by Add and CopyTo thus keeps its IDs unique.

#include "module/core/CPaletteItem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brisance {

class CPaletteItems {
public:
    using Entry = std::shared_ptr<CPaletteItem>;

    // A new item for the test, appended: the next ID, the test's key, every
    // other field at its default. Raises 91 without a test, 6 (overflow) when
    // no ID is left.
    Entry Add(const std::shared_ptr<CCurvePref>& CurvePreferences);

    // The first item with exactly this key (letter case counts) and binaural flag.
    Entry GetItemByTestKey(const std::string& strTestKey, bool Binaural) const;
    bool ItemExist(const std::string& strTestKey, bool Binaural) const;
    Entry ItemByID(std::int32_t lngID) const;
    // The first item whose test has this CurveID.
    Entry ItemByCurveID(std::int32_t lngID) const;

    void ClearHasData();
    std::int32_t Count() const;
    // Removes the item at a 1-based position; 5 (invalid argument) outside 1 to Count.
    void Remove(std::int32_t vntIndexKey);
    // Removes the first item with this ID; nothing when there is none.
    void RemoveByID(std::int32_t lngID);
    // Removes every item; the next ID is 0 again.
    void Clear();

    // Enumeration in collection order.
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<Entry> m_items;
    // Wider than an ID, so that it can stand past the last one.
    std::int64_t m_nextID = 0;
};

}  // namespace brisance

#include "module/core/CPaletteItems.h"

#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <limits>

namespace brisance {

namespace {

using platform::runtime::raise;
namespace errors = platform::runtime::errors;

template <class Items, class Match>
CPaletteItems::Entry FirstItem(const Items& items, Match match)
{
    const auto found = std::ranges::find_if(items, [&](const CPaletteItems::Entry& item) { return match(*item); });
    return found == items.end() ? nullptr : *found;
}

}  // namespace

CPaletteItems::Entry CPaletteItems::Add(const std::shared_ptr<CCurvePref>& CurvePreferences)
{
    if (!CurvePreferences)
        raise(errors::ObjectNotSet);
    for (const Entry& item : m_items)
        m_nextID = std::max(m_nextID, std::int64_t{item->ID} + 1);
    if (m_nextID > std::numeric_limits<std::int32_t>::max())
        raise(errors::Overflow);

    auto item = std::make_shared<CPaletteItem>();
    item->CurvePreferences = CurvePreferences;
    item->ID = static_cast<std::int32_t>(m_nextID++);
    item->Key = CurvePreferences->Key();
    m_items.push_back(item);
    return item;
}

CPaletteItems::Entry CPaletteItems::GetItemByTestKey(const std::string& strTestKey, bool Binaural) const
{
    return FirstItem(m_items, [&](const CPaletteItem& item) { return item.Binaural == Binaural && item.Key == strTestKey; });
}

bool CPaletteItems::ItemExist(const std::string& strTestKey, bool Binaural) const
{
    return GetItemByTestKey(strTestKey, Binaural) != nullptr;
}

CPaletteItems::Entry CPaletteItems::ItemByID(std::int32_t lngID) const
{
    return FirstItem(m_items, [&](const CPaletteItem& item) { return item.ID == lngID; });
}

CPaletteItems::Entry CPaletteItems::ItemByCurveID(std::int32_t lngID) const
{
    return FirstItem(m_items, [&](const CPaletteItem& item) {
        return item.CurvePreferences && item.CurvePreferences->CurveID == lngID;
    });
}

void CPaletteItems::ClearHasData()
{
    for (const Entry& item : m_items)
        item->HasData = false;
}

std::int32_t CPaletteItems::Count() const { return static_cast<std::int32_t>(m_items.size()); }

void CPaletteItems::Remove(std::int32_t vntIndexKey)
{
    if (vntIndexKey < 1 || vntIndexKey > Count())
        raise(errors::InvalidProcedureCall);
    m_items.erase(m_items.begin() + (vntIndexKey - 1));
}

void CPaletteItems::RemoveByID(std::int32_t lngID)
{
    const auto found = std::ranges::find_if(m_items, [&](const Entry& item) { return item->ID == lngID; });
    if (found != m_items.end())
        m_items.erase(found);
}

void CPaletteItems::Clear()
{
    m_items.clear();
    m_nextID = 0;
}

}  // namespace brisance

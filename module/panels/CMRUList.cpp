#include "module/panels/CMRUList.h"

#include "module/core/StoreSelection.h"

#include "platform/runtime/Conversions.h"

#include <algorithm>

namespace brisance {
namespace {

using platform::runtime::CInt;
using platform::runtime::Variant;

constexpr std::int32_t kDefaultMaxListSize = 10;
constexpr std::string_view kEuroSign = "\xE2\x82\xAC";

std::string withoutEuroSigns(std::string text)
{
    for (auto at = text.find(kEuroSign); at != std::string::npos; at = text.find(kEuroSign, at))
        text.erase(at, kEuroSign.size());
    return text;
}

std::string joined(const std::vector<std::string>& items, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += separator;
        text += items[i];
    }
    return text;
}

}  // namespace

CMRUList::CMRUList() : m_maxListSize(kDefaultMaxListSize), m_items(kDefaultMaxListSize + 1) {}

void CMRUList::MaxListSize(std::int32_t size)
{
    if (size < 1) return;
    m_maxListSize = size;
    m_items.resize(static_cast<std::size_t>(size) + 1);
}

bool CMRUList::AddItem(const std::string& strIn)
{
    std::string item = withoutEuroSigns(strIn);
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    if (found == m_items.begin()) return false;

    std::vector<std::string> items;
    items.reserve(m_items.size());
    items.push_back(std::move(item));
    if (found == m_items.end()) {
        items.insert(items.end(), m_items.begin(), m_items.end() - 1);
    } else {
        for (auto entry = m_items.begin(); entry != m_items.end(); ++entry)
            if (entry != found && !entry->empty()) items.push_back(*entry);
        items.resize(m_items.size());
    }
    m_items = std::move(items);
    return false;
}

std::string CMRUList::GetListString() const
{
    return joined(m_items, ",");
}

bool CMRUList::SaveList(vellum::IVellumKeyedStore& oPref, std::int32_t Category, std::int32_t Section,
                        const std::string& strListName)
{
    const std::string stored = joined(m_items, kSeparator);
    // Both numbers are converted before the store is touched, so an overflow
    // leaves it where it was.
    const StoreSelectionKeeper selection(oPref, CInt(Category), CInt(Section));
    oPref.put_Value(strListName, Variant(stored));
    return false;
}

bool CMRUList::LoadList(vellum::IVellumKeyedStore& oPref, std::int32_t Category, std::int32_t Section,
                        const std::string& strListName)
{
    std::string stored;
    {
        const StoreSelectionKeeper selection(oPref, CInt(Category), CInt(Section));
        stored = platform::runtime::joinedText(oPref.get_Value(strListName));
    }
    Clear();
    if (stored.empty()) return false;

    std::size_t start = 0;
    for (std::string& entry : m_items) {
        const std::size_t end = stored.find(kSeparator, start);
        entry = stored.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos) break;
        start = end + kSeparator.size();
    }
    return true;
}

bool CMRUList::Clear()
{
    std::fill(m_items.begin(), m_items.end(), std::string());
    return false;
}

}  // namespace brisance

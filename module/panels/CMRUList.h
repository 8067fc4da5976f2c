#pragma once
// A short list of the texts a user entered last in a free-text field, newest
// first, kept as one string value in the user's preference store.
//
// The list always holds MaxListSize() + 1 entries; entries not in use are
// empty and the list is not kept compact. It is stored as its entries, empty
// ones included, joined by kSeparator.

#include "vellum/IVellumKeyedStore.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisance {

class CMRUList {
public:
    // Two euro signs in UTF-8. AddItem keeps every euro sign out of the
    // entries, so that a stored list always splits back into what was saved.
    static constexpr std::string_view kSeparator = "\xE2\x82\xAC\xE2\x82\xAC";

    CMRUList();

    std::int32_t MaxListSize() const { return m_maxListSize; }
    // A size of 1 or more resizes the list, keeping its entries as far as
    // they fit; 0 or less is ignored.
    void MaxListSize(std::int32_t size);

    // Puts strIn (without any euro sign) at the front: a new text pushes the
    // others down and the last falls off; a text already in the list moves to
    // the front and the empty entries are squeezed out behind it; a text
    // already at the front changes nothing. Returns false.
    bool AddItem(const std::string& strIn);

    // All entries, empty ones included.
    std::vector<std::string> GetList() const { return m_items; }
    // All entries joined with ",".
    std::string GetListString() const;

    // Stores the list as the string value strListName in the given category
    // and section of the store. Returns false.
    bool SaveList(vellum::IVellumKeyedStore& oPref, std::int32_t Category, std::int32_t Section,
                  const std::string& strListName);
    // Replaces the list by the one stored under strListName; stored parts
    // beyond the list's last entry are dropped. True when a non-empty value
    // was stored; otherwise the list is emptied and the result is false.
    bool LoadList(vellum::IVellumKeyedStore& oPref, std::int32_t Category, std::int32_t Section,
                  const std::string& strListName);
    // Both raise the runtime's overflow error (6) for a category or section
    // outside 16 bits, and leave the store's own category and section as they
    // were on every exit, errors included.

    // Empties every entry; the size stays. Returns false.
    bool Clear();

    // Kept for callers of the list's diagnostics; does nothing.
    void DebugPrintList() const {}

private:
    std::int32_t m_maxListSize;
    std::vector<std::string> m_items;
};

}  // namespace brisance

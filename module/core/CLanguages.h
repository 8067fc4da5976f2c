#pragma once
// The language libraries of the language folder, in the order found. The
// folder scan keys each by its file name.
//
// Errors are the runtime's collection errors, raised to the caller: 457 for a
// key already in use, 5 for an unknown key, 9 for a position outside 1..Count.

#include "module/core/CLanguage.h"
#include "platform/runtime/Collection.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <memory>
#include <string>

namespace brisance {

class CLanguages {
public:
    using Entry = std::shared_ptr<CLanguage>;

    // Adds a language under the key sKey, or without a key when it is empty.
    Entry Add(std::int32_t ID, const std::string& Filename, const std::string& sKey = {});
    // By 1-based position, or by key when given a string.
    Entry Item(const platform::runtime::Variant& vntIndexKey) const;
    std::int32_t Count() const;
    void Remove(const platform::runtime::Variant& vntIndexKey);

    // Enumeration in insertion order.
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    platform::runtime::Collection<Entry> m_items;
};

}  // namespace brisance

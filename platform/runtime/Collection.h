#pragma once
// The runtime's Collection: members in order at 1-based positions, each with
// an optional string key. Keys compare without regard to case. Errors are the
// runtime's: 457 for a key already in use, 5 for an unknown key, 9 for a
// position outside 1..Count.

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StringCompare.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::runtime {

template <class T>
class Collection {
public:
    using const_iterator = typename std::vector<T>::const_iterator;

    // Adds at the end.
    void Add(T item, std::optional<std::string> key = std::nullopt) { insert(m_items.size(), std::move(item), std::move(key)); }

    // Adds before or after a member named by position or key (at most one of
    // them given; Empty means not given): 5 when both are given or a key is
    // unknown, 9 for a position outside 1..Count.
    void Add(T item, std::optional<std::string> key, const Variant& before, const Variant& after)
    {
        if (!before.isEmpty() && !after.isEmpty()) raise(errors::InvalidProcedureCall);
        std::size_t at = m_items.size();
        if (!before.isEmpty()) at = indexOf(before);
        if (!after.isEmpty()) at = indexOf(after) + 1;
        insert(at, std::move(item), std::move(key));
    }

    std::int32_t Count() const { return static_cast<std::int32_t>(m_items.size()); }

    // The member at a 1-based position, or with a key: a string index is a key,
    // any other is a position (converted as CLng converts).
    const T& Item(std::int32_t position) const { return m_items[indexOf(position)]; }
    const T& Item(const Variant& indexOrKey) const { return m_items[indexOf(indexOrKey)]; }
    T& Item(std::int32_t position) { return m_items[indexOf(position)]; }
    T& Item(const Variant& indexOrKey) { return m_items[indexOf(indexOrKey)]; }

    bool Contains(std::string_view key) const { return find(key) != npos; }

    void Remove(std::int32_t position) { erase(indexOf(position)); }
    void Remove(const Variant& indexOrKey) { erase(indexOf(indexOrKey)); }

    // The members in order.
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    void insert(std::size_t at, T item, std::optional<std::string> key)
    {
        std::optional<std::string> folded;
        if (key) {
            if (Contains(*key)) raise(errors::DuplicateKey);
            folded = foldCase(*key);
        }
        const auto offset = static_cast<std::ptrdiff_t>(at);
        m_keys.insert(m_keys.begin() + offset, std::move(folded));
        m_items.insert(m_items.begin() + offset, std::move(item));
    }

    void erase(std::size_t index)
    {
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
        m_keys.erase(m_keys.begin() + static_cast<std::ptrdiff_t>(index));
    }

    std::size_t find(std::string_view key) const
    {
        const std::string folded = foldCase(key);
        for (std::size_t i = 0; i < m_keys.size(); ++i) {
            if (m_keys[i] == folded) return i;
        }
        return npos;
    }

    std::size_t indexOf(std::string_view key) const
    {
        const std::size_t index = find(key);
        if (index == npos) raise(errors::InvalidProcedureCall);
        return index;
    }

    std::size_t indexOf(std::int32_t position) const
    {
        if (position < 1 || position > Count()) raise(errors::SubscriptOutOfRange);
        return static_cast<std::size_t>(position - 1);
    }

    std::size_t indexOf(const Variant& indexOrKey) const
    {
        if (const auto* key = indexOrKey.get<std::string>()) return indexOf(std::string_view(*key));
        return indexOf(indexOrKey.toLong());
    }

    std::vector<T> m_items;
    std::vector<std::optional<std::string>> m_keys;  // case-folded
};

}  // namespace platform::runtime

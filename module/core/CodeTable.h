#pragma once
// Vocabularies as tables: a code beside what it stands for, and the one
// lookup that reads them.

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace brisance {

template <class T>
struct CodeEntry {
    std::int32_t code;
    T value;
};

// The value of the first entry with this code, or fallback when none has it.
template <class Table, class T>
T LookUpCode(const Table& table, std::int32_t code, T fallback)
{
    const auto found = std::ranges::find(table, code, [](const auto& entry) { return entry.code; });
    return found == std::ranges::end(table) ? fallback : T(found->value);
}

}  // namespace brisance

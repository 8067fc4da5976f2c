#pragma once
// Helpers for the keyed stores' selection: the category and section that
// Value reads and writes.

#include "vellum/IVellumKeyedStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brisance {

// Remembers the store's category and section and selects them again when it
// goes, on every exit, errors included.
class StoreSelectionKeeper {
public:
    explicit StoreSelectionKeeper(vellum::IVellumKeyedStore& store)
        : m_store(store), m_category(store.get_Category()), m_section(store.get_Section())
    {
    }
    // The same, and selects this category and section for the object's life.
    StoreSelectionKeeper(vellum::IVellumKeyedStore& store, std::int16_t category, std::int16_t section)
        : StoreSelectionKeeper(store)
    {
        store.put_Category(category);
        store.put_Section(section);
    }
    ~StoreSelectionKeeper()
    {
        m_store.put_Category(m_category);
        m_store.put_Section(m_section);
    }
    StoreSelectionKeeper(const StoreSelectionKeeper&) = delete;
    StoreSelectionKeeper& operator=(const StoreSelectionKeeper&) = delete;

private:
    vellum::IVellumKeyedStore& m_store;
    std::int16_t m_category;
    std::int16_t m_section;
};

// The keys of the selected section, in the store's order, taken now: the
// caller may select other sections while it walks them.
std::vector<std::string> SelectedSectionKeys(vellum::IVellumKeyedStore& store);

}  // namespace brisance

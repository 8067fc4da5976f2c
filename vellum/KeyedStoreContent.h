#pragma once
// What one keyed store holds: variant values by key, in sections numbered
// within categories. Keys compare without regard to case and keep the
// spelling they were first stored with; each section keeps its keys in the
// order they were first stored. VellumKeyedStore wraps it for its callers.
//
// Stored forms, little-endian, every value as the runtime's variant record
// (platform/runtime/VariantRecord.h):
//
//   whole store  "VKST", u32 count of sections, each: i16 category, i16 section, entries
//   one section  "VKSS", entries
//   one category "VKSC", u32 count of sections, each: i16 section, entries
//   entries      u32 count, each: u32 key length, key (UTF-8), variant record
//
// Reading checks everything before it hands anything back: truncated,
// oversized or corrupt data (an unknown layout, a value that is no variant
// record, a key or a section twice, trailing bytes) raises runtime error 5.

#include "platform/runtime/Variant.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellum {

struct KeyedEntry {
    std::string key;
    platform::runtime::Variant value;
};
using KeyedSection = std::vector<KeyedEntry>;
using SectionId = std::pair<std::int16_t, std::int16_t>;  // category, section
using KeyedCategory = std::map<std::int16_t, KeyedSection>;

class KeyedStoreContent {
public:
    // The value of key, or nullptr when the section has none.
    const platform::runtime::Variant* find(SectionId at, std::string_view key) const;
    // Stores a value of any type that has a variant record; an object, or a
    // value too long for its record, raises the runtime's error and stores nothing.
    void put(SectionId at, std::string_view key, platform::runtime::Variant value);
    std::vector<std::string> keys(SectionId at) const;
    // Every section that holds a value, in order of category and section: a
    // read-only view for tools that list a whole store.
    const std::map<SectionId, KeyedSection>& sections() const { return m_sections; }

    void clear() { m_sections.clear(); }
    void clearSection(SectionId at) { m_sections.erase(at); }
    void clearCategory(std::int16_t category);

    std::vector<std::uint8_t> write() const;
    static KeyedStoreContent read(std::span<const std::uint8_t> data);

    std::vector<std::uint8_t> writeSection(SectionId at) const;
    static KeyedSection readSection(std::span<const std::uint8_t> data);
    void replaceSection(SectionId at, KeyedSection section);

    std::vector<std::uint8_t> writeCategory(std::int16_t category) const;
    static KeyedCategory readCategory(std::span<const std::uint8_t> data);
    void replaceCategory(std::int16_t category, KeyedCategory sections);

private:
    std::map<SectionId, KeyedSection> m_sections;  // no empty sections
};

}  // namespace vellum

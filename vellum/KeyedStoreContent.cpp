#include "vellum/KeyedStoreContent.h"

#include "vellum/ByteStream.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StringCompare.h"
#include "platform/runtime/VariantRecord.h"

#include <algorithm>
#include <unordered_set>

namespace vellum {

namespace {

using platform::runtime::Variant;

constexpr std::string_view kStoreTag = "VKST";
constexpr std::string_view kSectionTag = "VKSS";
constexpr std::string_view kCategoryTag = "VKSC";
constexpr std::string_view kSubject = "Keyed store data";

// A key of no bytes and the shortest record (a 2-byte type code).
constexpr std::size_t kMinEntrySize = 4 + 2;

void writeTag(ByteWriter& out, std::string_view tag)
{
    for (char c : tag) out.u8(static_cast<std::uint8_t>(c));
}

template <class Section>
auto findEntry(Section& section, std::string_view key)
{
    return std::ranges::find_if(section, [key](const KeyedEntry& entry) {
        return platform::runtime::equalsIgnoreCase(entry.key, key);
    });
}

void writeEntries(ByteWriter& out, const KeyedSection& section)
{
    out.count(section.size());
    for (const KeyedEntry& entry : section) {
        out.text(entry.key);
        platform::runtime::writeVariantRecord(out.result(), entry.value);
    }
}

KeyedSection readEntries(ByteReader& in)
{
    KeyedSection section(in.count(kMinEntrySize));
    std::unordered_set<std::string> folded;
    for (KeyedEntry& entry : section) {
        entry.key = in.text();
        if (!folded.insert(platform::runtime::foldCase(entry.key)).second)
            in.corrupt("holds the key \"" + entry.key + "\" twice in one section");
        const auto rest = in.rest();
        std::size_t offset = 0;
        try {
            entry.value = platform::runtime::readVariantRecord(rest, offset);
        } catch (const platform::runtime::RuntimeError& error) {
            in.corrupt("holds a value that cannot be read (" + error.description() + ")");
        }
        in.skip(offset);
    }
    return section;
}

}  // namespace

const Variant* KeyedStoreContent::find(SectionId at, std::string_view key) const
{
    const auto section = m_sections.find(at);
    if (section == m_sections.end()) return nullptr;
    const auto entry = findEntry(section->second, key);
    return entry == section->second.end() ? nullptr : &entry->value;
}

void KeyedStoreContent::put(SectionId at, std::string_view key, Variant value)
{
    std::vector<std::uint8_t> record;
    platform::runtime::writeVariantRecord(record, value);  // raises for what cannot be stored
    KeyedSection& section = m_sections[at];
    const auto entry = findEntry(section, key);
    if (entry != section.end())
        entry->value = std::move(value);
    else
        section.push_back({std::string(key), std::move(value)});
}

std::vector<std::string> KeyedStoreContent::keys(SectionId at) const
{
    std::vector<std::string> result;
    if (const auto section = m_sections.find(at); section != m_sections.end())
        for (const KeyedEntry& entry : section->second) result.push_back(entry.key);
    return result;
}

void KeyedStoreContent::clearCategory(std::int16_t category)
{
    std::erase_if(m_sections, [category](const auto& section) { return section.first.first == category; });
}

std::vector<std::uint8_t> KeyedStoreContent::write() const
{
    ByteWriter out;
    writeTag(out, kStoreTag);
    out.count(m_sections.size());
    for (const auto& [id, section] : m_sections) {
        out.i16(id.first);
        out.i16(id.second);
        writeEntries(out, section);
    }
    return std::move(out.result());
}

KeyedStoreContent KeyedStoreContent::read(std::span<const std::uint8_t> data)
{
    ByteReader in(data, kSubject);
    in.expectTag(kStoreTag);
    KeyedStoreContent content;
    for (std::size_t n = in.count(2 + 2 + 4); n > 0; --n) {
        const std::int16_t category = in.i16();
        const std::int16_t section = in.i16();
        KeyedSection entries = readEntries(in);
        if (content.m_sections.contains({category, section})) in.corrupt("holds one section twice");
        if (!entries.empty()) content.m_sections.emplace(SectionId{category, section}, std::move(entries));
    }
    in.expectEnd();
    return content;
}

std::vector<std::uint8_t> KeyedStoreContent::writeSection(SectionId at) const
{
    ByteWriter out;
    writeTag(out, kSectionTag);
    const auto section = m_sections.find(at);
    writeEntries(out, section == m_sections.end() ? KeyedSection{} : section->second);
    return std::move(out.result());
}

KeyedSection KeyedStoreContent::readSection(std::span<const std::uint8_t> data)
{
    ByteReader in(data, kSubject);
    in.expectTag(kSectionTag);
    KeyedSection section = readEntries(in);
    in.expectEnd();
    return section;
}

void KeyedStoreContent::replaceSection(SectionId at, KeyedSection section)
{
    if (section.empty())
        m_sections.erase(at);
    else
        m_sections[at] = std::move(section);
}

std::vector<std::uint8_t> KeyedStoreContent::writeCategory(std::int16_t category) const
{
    ByteWriter out;
    writeTag(out, kCategoryTag);
    const auto first = m_sections.lower_bound({category, INT16_MIN});
    const auto last = m_sections.upper_bound({category, INT16_MAX});
    out.count(static_cast<std::size_t>(std::distance(first, last)));
    for (auto it = first; it != last; ++it) {
        out.i16(it->first.second);
        writeEntries(out, it->second);
    }
    return std::move(out.result());
}

KeyedCategory KeyedStoreContent::readCategory(std::span<const std::uint8_t> data)
{
    ByteReader in(data, kSubject);
    in.expectTag(kCategoryTag);
    KeyedCategory sections;
    for (std::size_t n = in.count(2 + 4); n > 0; --n) {
        const std::int16_t section = in.i16();
        KeyedSection entries = readEntries(in);
        if (sections.contains(section)) in.corrupt("holds one section twice");
        sections.emplace(section, std::move(entries));
    }
    in.expectEnd();
    return sections;
}

void KeyedStoreContent::replaceCategory(std::int16_t category, KeyedCategory sections)
{
    clearCategory(category);
    for (auto& [section, entries] : sections)
        if (!entries.empty()) m_sections.emplace(SectionId{category, section}, std::move(entries));
}

}  // namespace vellum

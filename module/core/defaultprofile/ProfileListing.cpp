#include "module/core/defaultprofile/ProfileListing.h"

#include "vellum/KeyedStoreContent.h"

#include <algorithm>
#include <map>
#include <string_view>

namespace brisance {

namespace {

using platform::runtime::VarType;
using platform::runtime::Variant;

std::string_view TypeName(VarType type)
{
    static const std::map<VarType, std::string_view> kNames = {
        {VarType::Empty, "Empty"},     {VarType::Null, "Null"},       {VarType::Integer, "Integer"},
        {VarType::Long, "Long"},       {VarType::Single, "Single"},   {VarType::Double, "Double"},
        {VarType::Currency, "Currency"}, {VarType::Date, "Date"},     {VarType::String, "String"},
        {VarType::Object, "Object"},   {VarType::Error, "Error"},     {VarType::Boolean, "Boolean"},
        {VarType::Variant, "Variant"}, {VarType::Byte, "Byte"},
    };
    return kNames.at(type);
}

std::string ValueText(const Variant& value)
{
    if (value.isEmpty()) return {};
    if (value.isNull()) return "Null";
    const auto* array = value.array();
    if (!array) return value.toString();
    std::string text = "(";
    for (const Variant& element : array->elements()) {
        if (text.size() > 1) text += ',';
        text += ValueText(element);
    }
    return text + ")";
}

}  // namespace

std::string ProfileListing(const Variant& storeData)
{
    const auto content = vellum::KeyedStoreContent::read(storeData.toBytes());
    std::string listing;
    for (const auto& [id, section] : content.sections()) {
        std::vector<const vellum::KeyedEntry*> entries;
        for (const vellum::KeyedEntry& entry : section) entries.push_back(&entry);
        std::ranges::sort(entries, {}, &vellum::KeyedEntry::key);
        for (const vellum::KeyedEntry* entry : entries) {
            listing += std::to_string(id.first) + '\t' + std::to_string(id.second) + '\t' + entry->key + '\t';
            listing += std::string(TypeName(entry->value.type())) + (entry->value.isArray() ? "()" : "") + '\t';
            listing += ValueText(entry->value) + '\n';
        }
    }
    return listing;
}

}  // namespace brisance

#include "vellum/VellumKeyedStore.h"

#include "vellum/ByteStream.h"

namespace vellum {

namespace {

constexpr std::string_view kStoreSubject = "Keyed store data";
constexpr std::string_view kSectionSubject = "Keyed store section data";
constexpr std::string_view kCategorySubject = "Keyed store category data";

}  // namespace

Variant VellumKeyedStore::get_Value(const std::string& key)
{
    const Variant* value = m_content.find(m_at, key);
    return value ? *value : Variant::null();
}

void VellumKeyedStore::put_Value(const std::string& key, const Variant& value)
{
    m_content.put(m_at, key, value);
}

ComPtr<IEnumVARIANT> VellumKeyedStore::get__NewEnum()
{
    std::vector<Variant> keys;
    for (std::string& key : m_content.keys(m_at)) keys.emplace_back(std::move(key));
    return platform::com::createVariantEnumerator(std::move(keys));
}

Variant VellumKeyedStore::get_Data()
{
    return Variant::fromBytes(m_content.write());
}

void VellumKeyedStore::put_Data(const Variant& data)
{
    m_content = KeyedStoreContent::read(storedBytes(data, kStoreSubject));
}

Variant VellumKeyedStore::get_SectionData()
{
    return Variant::fromBytes(m_content.writeSection(m_at));
}

void VellumKeyedStore::put_SectionData(const Variant& data)
{
    m_content.replaceSection(m_at, KeyedStoreContent::readSection(storedBytes(data, kSectionSubject)));
}

Variant VellumKeyedStore::get_CategoryData()
{
    return Variant::fromBytes(m_content.writeCategory(m_at.first));
}

void VellumKeyedStore::put_CategoryData(const Variant& data)
{
    m_content.replaceCategory(m_at.first, KeyedStoreContent::readCategory(storedBytes(data, kCategorySubject)));
}

}  // namespace vellum

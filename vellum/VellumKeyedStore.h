#pragma once
// The keyed store object (IVellumKeyedStore.h) over its KeyedStoreContent.

#include "vellum/IVellumKeyedStore.h"
#include "vellum/KeyedStoreContent.h"

#include "platform/com/Object.h"

namespace vellum {

class VellumKeyedStore final : public platform::com::Object<IVellumKeyedStore> {
public:
    std::int16_t get_Category() override { return m_at.first; }
    void put_Category(std::int16_t category) override { m_at.first = category; }
    std::int16_t get_Section() override { return m_at.second; }
    void put_Section(std::int16_t section) override { m_at.second = section; }

    Variant get_Value(const std::string& key) override;
    void put_Value(const std::string& key, const Variant& value) override;
    ComPtr<IEnumVARIANT> get__NewEnum() override;

    Variant get_Data() override;
    void put_Data(const Variant& data) override;
    void Clear() override { m_content.clear(); }

    Variant get_SectionData() override;
    void put_SectionData(const Variant& data) override;
    void ClearSection() override { m_content.clearSection(m_at); }

    Variant get_CategoryData() override;
    void put_CategoryData(const Variant& data) override;
    void ClearCategory() override { m_content.clearCategory(m_at.first); }

private:
    KeyedStoreContent m_content;
    SectionId m_at{0, 0};
};

}  // namespace vellum

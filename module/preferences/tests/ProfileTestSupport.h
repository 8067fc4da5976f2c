#pragma once
// What the tests of the preferences dialog and its option pages share: a
// preference store positioned at a profile's section, as the dialogs get it,
// the keys stored there, and what a dialog shows.

#include "module/core/StoreSelection.h"
#include "module/preferences/tests/DialogTestSupport.h"

#include "platform/com/Object.h"
#include "platform/runtime/RuntimeError.h"

#include <QAbstractButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace brisance::testing {

using platform::runtime::Variant;
using Keys = std::vector<std::pair<std::string, Variant>>;

// A stored value as a failure message shows it: its type and its text.
inline std::string Describe(const Variant& value)
{
    if (value.isNull())
        return "Null";
    if (value.get<bool>())
        return std::string("Boolean ") + (*value.get<bool>() ? "True" : "False");
    if (value.get<std::int32_t>())
        return "Long " + std::to_string(*value.get<std::int32_t>());
    if (value.get<std::string>())
        return "String \"" + *value.get<std::string>() + "\"";
    return "another type";
}

inline std::map<std::string, std::string> Described(const Keys& keys)
{
    std::map<std::string, std::string> described;
    for (const auto& [key, value] : keys)
        described[key] = Describe(value);
    return described;
}

class ProfileTest : public DialogTest {
protected:
    static constexpr std::int16_t kProfile = 3;

    void SetUp() override
    {
        DialogTest::SetUp();
        store = NewStore();
        // A neighbouring profile that no dialog may touch.
        StoreSelectionKeeper neighbour(*store, 0, kProfile + 1);
        store->put_Value("PTPanels", std::int32_t{7});
        store->put_Value("TympPressure", true);
    }
    void TearDown() override
    {
        EXPECT_EQ(Described(StoredIn(kProfile + 1)),
                  Described({{"PTPanels", std::int32_t{7}}, {"TympPressure", true}}))
            << "a profile that was not edited changed";
        DialogTest::TearDown();
    }

    // Stores the keys in the profile and leaves the store positioned there.
    void Store(const Keys& keys)
    {
        store->put_Category(0);
        store->put_Section(kProfile);
        for (const auto& [key, value] : keys)
            store->put_Value(key, value);
    }

    Keys StoredIn(std::int16_t section)
    {
        StoreSelectionKeeper keeper(*store, 0, section);
        Keys keys;
        for (const std::string& key : SelectedSectionKeys(*store))
            keys.emplace_back(key, store->get_Value(key));
        return keys;
    }
    // The profile's keys, in the order they were first written.
    Keys Stored() { return StoredIn(kProfile); }

    // The keys stored before, with the written ones replacing or joining them.
    static std::map<std::string, std::string> After(const Keys& stored, const Keys& written)
    {
        std::map<std::string, std::string> after = Described(stored);
        for (const auto& [key, value] : written)
            after[key] = Describe(value);
        return after;
    }

    platform::com::ComPtr<vellum::IVellumKeyedStore> store;
};

// The names of the ticked check boxes and selected option buttons in a
// dialog, its hidden ones included.
inline std::vector<std::string> TickedNames(const QWidget& dialog)
{
    std::vector<std::string> names;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isCheckable() && button->isChecked())
            names.push_back(button->objectName().toStdString());
    return names;
}

// A preference store that fails on one key, as a damaged or full store
// would: reading or writing it raises 5; every other call goes to the store
// behind it.
class StoreFailingOn : public platform::com::Object<vellum::IVellumKeyedStore> {
public:
    StoreFailingOn(platform::com::ComPtr<vellum::IVellumKeyedStore> store, std::string key)
        : m_store(std::move(store)), m_key(std::move(key))
    {
    }

    std::int16_t get_Category() override { return m_store->get_Category(); }
    void put_Category(std::int16_t category) override { m_store->put_Category(category); }
    std::int16_t get_Section() override { return m_store->get_Section(); }
    void put_Section(std::int16_t section) override { m_store->put_Section(section); }
    Variant get_Value(const std::string& key) override
    {
        Check(key);
        return m_store->get_Value(key);
    }
    void put_Value(const std::string& key, const Variant& value) override
    {
        Check(key);
        m_store->put_Value(key, value);
    }
    platform::com::ComPtr<platform::com::IEnumVARIANT> get__NewEnum() override { return m_store->get__NewEnum(); }
    Variant get_Data() override { return m_store->get_Data(); }
    void put_Data(const Variant& data) override { m_store->put_Data(data); }
    void Clear() override { m_store->Clear(); }
    Variant get_SectionData() override { return m_store->get_SectionData(); }
    void put_SectionData(const Variant& data) override { m_store->put_SectionData(data); }
    void ClearSection() override { m_store->ClearSection(); }
    Variant get_CategoryData() override { return m_store->get_CategoryData(); }
    void put_CategoryData(const Variant& data) override { m_store->put_CategoryData(data); }
    void ClearCategory() override { m_store->ClearCategory(); }

private:
    void Check(const std::string& key) const
    {
        if (key == m_key)
            platform::runtime::raise(5, "The store cannot take " + key);
    }

    platform::com::ComPtr<vellum::IVellumKeyedStore> m_store;
    std::string m_key;
};

inline std::string UiText(TextResources id)
{
    return ModuleGlobals::UiTextLoader()->LoadResString(id);
}

}  // namespace brisance::testing

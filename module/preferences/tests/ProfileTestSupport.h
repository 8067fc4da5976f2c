#pragma once
// What the tests of the preferences dialog and its option pages share: a
// preference store positioned at a profile's section, as the dialogs get it,
// the keys stored there, and what a dialog shows.

#include "module/core/StoreSelection.h"
#include "module/preferences/tests/DialogTestSupport.h"

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

inline std::string UiText(TextResources id)
{
    return ModuleGlobals::UiTextLoader()->LoadResString(id);
}

}  // namespace brisance::testing

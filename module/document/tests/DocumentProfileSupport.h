#pragma once
// What the tests of the document's profiles and commands share: a user whose
// stored preferences hold chosen profiles beside the standard tests, and
// what the profile list, the palettes and the notes panels show.

#include "module/core/tests/CoreTestSupport.h"
#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/ActionGroup.h"
#include "module/core/CPaletteItem.h"
#include "module/core/CPaletteItems.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/StoreSelection.h"
#include "module/core/StoreSnapshot.h"
#include "module/document/ImageCombo.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/INotes.h"

#include <QAction>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brisance::testing {

using Keys = std::vector<std::pair<std::string, platform::runtime::Variant>>;

struct StoredProfile {
    std::int16_t section;
    std::string name;
    bool isDefault;
    Keys keys;
};

inline std::string UiText(std::int32_t id)
{
    return ModuleGlobals::UiTextLoader()->LoadResString(id);
}

class DocumentProfileTest : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        host.setLanguage(1033);
        client = host.addClient({.firstName = "Ann", .lastName = "Smith"});
        session = host.addSession(*client, kTodayDay);
    }

    void TearDown() override { CloseDocument(); }

    // The shared default profile's tests and global options, with these
    // profiles in place of its own; the right-on-left option only when
    // given. A new user holds them as the module's data and is selected.
    platform::com::ComPtr<vellum::IVellumKeyedStore>
    StoreProfiles(const std::vector<StoredProfile>& profiles,
                  const std::optional<platform::runtime::Variant>& rightOnLeft = std::nullopt)
    {
        auto store = NewStore();
        store->put_Data(ReadStoreSnapshot(SharedProfileFile().string()));
        store->put_Category(0);
        store->ClearCategory();
        {
            StoreSelectionKeeper globals(*store, 100, 0);
            store->put_Value("GENRightOnLeft", rightOnLeft.value_or(platform::runtime::Variant::null()));
        }
        for (const StoredProfile& profile : profiles) {
            StoreSelectionKeeper section(*store, 0, profile.section);
            store->put_Value("Profile", profile.name);
            store->put_Value("DftProfile", profile.isDefault);
            for (const auto& [key, value] : profile.keys)
                store->put_Value(key, value);
        }
        user = host.addUser("U" + std::to_string(++m_users));
        user->setModuleData(kModuleIdentity, store->get_Data().toBytes());
        host.select(*client, *user, *session);
        return store;
    }

    // The palettes of the shared default profile's first profile.
    static Keys StandardPalettes()
    {
        auto store = NewStore();
        store->put_Data(ReadStoreSnapshot(SharedProfileFile().string()));
        StoreSelectionKeeper first(*store, 0, 0);
        Keys keys;
        for (const char* key : {"PTPalButtons", "PTPalButtonsBinaural", "SPPalButtons", "SPPalButtonsBinaural"})
            keys.emplace_back(key, store->get_Value(key));
        return keys;
    }

    // The user's module data as the host keeps it.
    platform::com::ComPtr<vellum::IVellumKeyedStore> UsersStore()
    {
        auto store = NewStore();
        store->put_Data(platform::runtime::Variant::fromBytes(user->moduleData(kModuleIdentity)));
        return store;
    }

    void CloseDocument()
    {
        if (!document)
            return;
        document->Terminate();
        document.reset();
    }

    std::optional<host::User> user;

private:
    int m_users = 0;
};

inline std::vector<std::string> ListedTags(docAudiogramModule& document)
{
    const MenuControlArray& items = *document.Menus().mnuProfileList;
    std::vector<std::string> tags;
    for (std::int32_t index = 0; index <= items.UBound(); ++index)
        if (items.Exists(index) && items.Visible(index))
            tags.push_back(items.Tag(index));
    return tags;
}

inline std::vector<std::string> TickedTags(docAudiogramModule& document)
{
    const MenuControlArray& items = *document.Menus().mnuProfileList;
    std::vector<std::string> tags;
    for (std::int32_t index = 0; index <= items.UBound(); ++index)
        if (items.Exists(index) && items.Checked(index))
            tags.push_back(items.Tag(index));
    return tags;
}

inline std::vector<std::string> BoxKeys(docAudiogramModule& document)
{
    std::vector<std::string> keys;
    for (int index = 0; index < document.imcProfiles().count(); ++index)
        keys.push_back(document.imcProfiles().ItemKey(index));
    return keys;
}

// The notes fields that the panel shows, by name, in note-type order.
inline std::vector<std::string> ShownNoteFields(const INotes& notes)
{
    std::vector<std::string> shown;
    for (const char* name : {"cboMake", "txtCalibrationDate", "cboTestMethod", "cboTestReliability", "cboUser1",
                             "cboUser2", "txtComments"}) {
        const auto* field = notes.findChild<QWidget*>(name);
        if (field && !field->isHidden())
            shown.emplace_back(name);
    }
    return shown;
}

// True when every item has its button on the palette.
inline bool PaletteShowsItems(const CurvePalette& palette, const CPaletteItems& items)
{
    for (const auto& item : items)
        if (!palette.Button(item->ID))
            return false;
    return true;
}

}  // namespace brisance::testing

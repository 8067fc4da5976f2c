#include "module/core/UserPreferences.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/ModulePaths.h"
#include "module/core/ProgramTitle.h"
#include "module/core/StoreSnapshot.h"
#include "module/core/TextResources.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/ui/MessageBox.h"

#include <filesystem>
#include <system_error>

namespace brisance {

namespace {

using platform::runtime::RuntimeError;
using platform::runtime::Variant;

void ShowProfileMissing()
{
    // Without a UI text loader (no document has created one) the texts are
    // those of an unopened loader.
    const auto loader = ModuleGlobals::UiTextLoader();
    const CLangLoader unopened;
    const CLangLoader& from = loader ? *loader : unopened;
    platform::ui::messageBox(nullptr, from.LoadResString(TR_LOCALE_PROFILE_MISSING), ProgramTitle(from),
                             platform::ui::MB_OK | platform::ui::MB_ICONHAND);
}

}  // namespace

bool ReadDefaultProfileFile(Variant& value)
{
    const std::string& path = GetModulePaths().defaultProfilePath;
    std::error_code ignored;
    if (path.empty() || !std::filesystem::exists(path, ignored))
        return false;
    value = ReadStoreSnapshot(path);
    return true;
}

void LoadUserPreferences(const platform::com::ComPtr<host::IModuleServer>& server,
                         const platform::com::ComPtr<vellum::IVellumKeyedStore>& preferences)
{
    if (!server)
        return;
    const auto user = server->get_CurrentUser();
    if (!user)
        return;

    Variant data;
    bool stored = true;
    try {
        data = user->get_ModuleData();
    } catch (const RuntimeError&) {
        stored = false;  // nothing is stored for this user yet
    }
    if (!stored) {
        if (ReadDefaultProfileFile(data)) {
            try {
                user->put_ModuleData(data);
            } catch (const RuntimeError&) {
                // The user simply gets the default profile again next time.
            }
        } else {
            ShowProfileMissing();
        }
    }

    if (!preferences)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    // The store refuses an Empty content; no content is an empty store.
    if (data.isEmpty()) {
        preferences->Clear();
        return;
    }
    try {
        preferences->put_Data(data);
    } catch (const RuntimeError&) {
        // Content the store cannot take leaves it as it was; the document goes
        // on with what it holds.
    }
}

std::optional<RuntimeError> SaveUserPreferences(const platform::com::ComPtr<host::IModuleServer>& server,
                                                vellum::IVellumKeyedStore& preferences)
{
    if (!server)
        return std::nullopt;
    try {
        const auto user = server->get_CurrentUser();
        if (user)
            user->put_ModuleData(preferences.get_Data());
    } catch (const RuntimeError& refusal) {
        return refusal;
    }
    return std::nullopt;
}

}  // namespace brisance

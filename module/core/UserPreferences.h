#pragma once
// Filling the preference store at document start: the host user's own module
// data, or, for a user who has none yet, the host's shared default profile.

#include "host/HostInterfaces.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Variant.h"

#include <optional>

namespace brisance {

// When a file is at the default profile path fixed at start-up, reads the one
// variant record at its start into value and gives true; otherwise false.
// Errors reach the caller: a file that exists but cannot be read, and
// damaged content (62, 458, 59).
bool ReadDefaultProfileFile(platform::runtime::Variant& value);

// Gives the preference store the current user's module data. A user who has
// none gets the shared default profile, which is also written back as the
// user's module data; with no default profile either, the message
// TR_LOCALE_PROFILE_MISSING is shown and the store is emptied. Without a
// server or a current user nothing changes. A default profile that cannot be
// read raises; failures to write the user's data or to set the store are
// ignored. Selects no category or section.
void LoadUserPreferences(const platform::com::ComPtr<host::IModuleServer>& server,
                         const platform::com::ComPtr<vellum::IVellumKeyedStore>& preferences);

// Writes the whole preference store into the current user's module data.
// Without a server or a current user nothing happens. A refusal of the host
// leaves the preferences in memory only (the next write tries again) and is
// handed back, never raised.
std::optional<platform::runtime::RuntimeError> SaveUserPreferences(
    const platform::com::ComPtr<host::IModuleServer>& server, vellum::IVellumKeyedStore& preferences);

}  // namespace brisance

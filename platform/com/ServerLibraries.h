#pragma once
// The in-process server libraries loaded into this process, by path. A library
// is loaded once, however many classes are created from it, and stays loaded
// until freeUnusedServers finds that it can unload (none of its objects,
// factories or locks lives).

#include "platform/com/InprocServer.h"

#include <filesystem>
#include <string>

namespace platform::com {

struct ServerEntryPoints {
    DllGetClassObjectFunction getClassObject = nullptr;
    DllCanUnloadNowFunction canUnloadNow = nullptr;          // null: the library is never unloaded
    DllRegisterServerFunction registerServer = nullptr;      // null when the library lacks it
    DllUnregisterServerFunction unregisterServer = nullptr;  // null when the library lacks it
};

// Loads the library at path (or finds it loaded) and gives its entry points.
// CO_E_DLLNOTFOUND when it cannot be loaded, CO_E_ERRORINDLL when it lacks
// DllGetClassObject; *error then says why in words.
HRESULT loadServer(const std::filesystem::path& path, ServerEntryPoints* entryPoints, std::string* error = nullptr);

// Unloads every loaded server library that answers S_OK to DllCanUnloadNow.
void freeUnusedServers();

// Whether the library at path is loaded as a server now.
bool isServerLoaded(const std::filesystem::path& path);

}  // namespace platform::com

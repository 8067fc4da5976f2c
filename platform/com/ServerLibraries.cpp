#include "platform/com/ServerLibraries.h"

#include "platform/system/Library.h"

#include <map>
#include <mutex>

namespace platform::com {

namespace {

struct LoadedServer {
    system::Library library;
    ServerEntryPoints entryPoints;
};

struct Servers {
    std::mutex mutex;
    std::map<std::filesystem::path, LoadedServer> byPath;
};

// Never destroyed: objects of a library may still be released while the
// process ends, so its code must stay mapped.
Servers& servers()
{
    static auto* const instance = new Servers;
    return *instance;
}

// One key per file, however the path was written.
std::filesystem::path keyOf(const std::filesystem::path& path)
{
    std::error_code ignored;
    const auto canonical = std::filesystem::weakly_canonical(path, ignored);
    return canonical.empty() ? path : canonical;
}

template <class Function>
Function symbol(const system::Library& library, const char* name)
{
    return reinterpret_cast<Function>(library.symbol(name));
}

}  // namespace

HRESULT loadServer(const std::filesystem::path& path, ServerEntryPoints* entryPoints, std::string* error)
{
    if (!entryPoints) return E_POINTER;
    *entryPoints = {};
    Servers& all = servers();
    const std::lock_guard lock(all.mutex);
    const auto key = keyOf(path);
    if (const auto found = all.byPath.find(key); found != all.byPath.end()) {
        *entryPoints = found->second.entryPoints;
        return S_OK;
    }
    system::Library library(key.string());
    if (!library.isLoaded()) {
        if (error) *error = "cannot load " + path.string() + ": " + library.error();
        return CO_E_DLLNOTFOUND;
    }
    const ServerEntryPoints found{symbol<DllGetClassObjectFunction>(library, kGetClassObjectName),
                                  symbol<DllCanUnloadNowFunction>(library, kCanUnloadNowName),
                                  symbol<DllRegisterServerFunction>(library, kRegisterServerName),
                                  symbol<DllUnregisterServerFunction>(library, kUnregisterServerName)};
    if (!found.getClassObject) {
        if (error) *error = path.string() + " has no " + kGetClassObjectName + " entry point";
        return CO_E_ERRORINDLL;
    }
    *entryPoints = found;
    all.byPath.emplace(key, LoadedServer{std::move(library), found});
    return S_OK;
}

void freeUnusedServers()
{
    Servers& all = servers();
    const std::lock_guard lock(all.mutex);
    std::erase_if(all.byPath, [](const auto& entry) {
        const auto canUnloadNow = entry.second.entryPoints.canUnloadNow;
        return canUnloadNow && canUnloadNow() == S_OK;
    });
}

bool isServerLoaded(const std::filesystem::path& path)
{
    Servers& all = servers();
    const std::lock_guard lock(all.mutex);
    return all.byPath.contains(keyOf(path));
}

}  // namespace platform::com

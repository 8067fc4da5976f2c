#include "platform/com/ServerLibraries.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

namespace platform::com {

namespace {

struct LoadedServer {
    void* handle = nullptr;
    ServerEntryPoints entryPoints;
};

struct Servers {
    std::mutex mutex;
    std::map<std::filesystem::path, LoadedServer> byPath;
};

Servers& servers()
{
    static Servers instance;
    return instance;
}

// One key per file, however the path was written.
std::filesystem::path keyOf(const std::filesystem::path& path)
{
    std::error_code ignored;
    const auto canonical = std::filesystem::weakly_canonical(path, ignored);
    return canonical.empty() ? path : canonical;
}

template <class Function>
Function symbol(void* handle, const char* name)
{
    return reinterpret_cast<Function>(dlsym(handle, name));
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
    void* handle = dlopen(key.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error) *error = "cannot load " + path.string() + ": " + dlerror();
        return CO_E_DLLNOTFOUND;
    }
    LoadedServer server{handle,
                        {symbol<DllGetClassObjectFunction>(handle, kGetClassObjectName),
                         symbol<DllCanUnloadNowFunction>(handle, kCanUnloadNowName),
                         symbol<DllRegisterServerFunction>(handle, kRegisterServerName),
                         symbol<DllUnregisterServerFunction>(handle, kUnregisterServerName)}};
    if (!server.entryPoints.getClassObject) {
        dlclose(handle);
        if (error) *error = path.string() + " has no " + kGetClassObjectName + " entry point";
        return CO_E_ERRORINDLL;
    }
    *entryPoints = server.entryPoints;
    all.byPath.emplace(key, server);
    return S_OK;
}

void freeUnusedServers()
{
    Servers& all = servers();
    const std::lock_guard lock(all.mutex);
    std::erase_if(all.byPath, [](const auto& entry) {
        const LoadedServer& server = entry.second;
        if (!server.entryPoints.canUnloadNow || server.entryPoints.canUnloadNow() != S_OK) return false;
        dlclose(server.handle);
        return true;
    });
}

bool isServerLoaded(const std::filesystem::path& path)
{
    Servers& all = servers();
    const std::lock_guard lock(all.mutex);
    return all.byPath.contains(keyOf(path));
}

std::filesystem::path libraryPathOf(const void* address)
{
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname) return {};
    return keyOf(info.dli_fname);
}

}  // namespace platform::com

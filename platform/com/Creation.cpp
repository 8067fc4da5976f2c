#include "platform/com/Creation.h"

#include "platform/com/ServerLibraries.h"
#include "platform/registry/Key.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <array>

namespace platform::com {

namespace {

using registry::Access;
using registry::Key;
using registry::Result;
using registry::Root;

// The default value of a key of HKEY_CLASSES_ROOT, or nothing.
std::optional<std::string> classesRootText(const std::string& path)
{
    Key key;
    std::string text;
    if (registry::openKey(Root::ClassesRoot, path, Access::Read, key) != Result::Success) return std::nullopt;
    if (key.getString("", text) != Result::Success) return std::nullopt;
    return text;
}

// Failures that mean the object's component is not there to be asked.
constexpr std::array kComponentMissing{REGDB_E_CLASSNOTREG, CO_E_DLLNOTFOUND, CO_E_ERRORINDLL, CLASS_E_CLASSNOTAVAILABLE};
constexpr std::int32_t kCannotCreateObject = 429;

}  // namespace

void raiseCreationFailure(HRESULT hr, const CLSID& clsid)
{
    if (std::find(kComponentMissing.begin(), kComponentMissing.end(), hr) != kComponentMissing.end())
        runtime::raise(kCannotCreateObject, {}, toString(clsid));
    runtime::raise(hr, describe(hr), toString(clsid));
}

HRESULT clsidFromProgId(std::string_view progId, CLSID* clsid)
{
    if (!clsid) return E_POINTER;
    *clsid = GUID_NULL;
    if (progId.empty()) return CO_E_CLASSSTRING;
    try {
        const std::string name(progId);
        std::optional<std::string> text;
        if (const auto current = classesRootText(name + "\\CurVer"); current && !current->empty())
            text = classesRootText(*current + "\\CLSID");
        if (!text) text = classesRootText(name + "\\CLSID");
        const auto parsed = text ? parseGuid(*text) : std::nullopt;
        if (!parsed) return CO_E_CLASSSTRING;
        *clsid = *parsed;
        return S_OK;
    } catch (const registry::RegistryError&) {
        return REGDB_E_READREGDB;
    }
}

HRESULT getClassObject(const CLSID& clsid, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    std::optional<std::string> library;
    try {
        library = classesRootText("CLSID\\" + toString(clsid) + "\\InprocServer32");
    } catch (const registry::RegistryError&) {
        return REGDB_E_READREGDB;
    }
    if (!library || library->empty()) return REGDB_E_CLASSNOTREG;
    ServerEntryPoints server;
    if (const HRESULT hr = loadServer(*library, &server); failed(hr)) return hr;
    return server.getClassObject(&clsid, &iid, object);
}

HRESULT createInstance(const CLSID& clsid, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    ComPtr<IClassFactory> factory;
    if (const HRESULT hr = getClassObject(clsid, IClassFactory::iid, factory.putVoid()); failed(hr)) return hr;
    return factory->CreateInstance(nullptr, iid, object);
}

}  // namespace platform::com

#pragma once
// An in-process server: a library that offers component classes through four
// plain C entry points, found by name when the library is loaded by path:
//
//     DllGetClassObject(clsid, iid, object)  the factory of one of its classes
//     DllCanUnloadNow()                      S_OK when none of its objects, factories or locks lives
//     DllRegisterServer()                    writes its classes' keys into the registry
//     DllUnregisterServer()                  removes exactly those keys
//
// A library describes its classes once in a table and makes its entry points
// from it with one line (BRISANCE_COM_SERVER, in ServerExports.h):
//
//     constexpr ClassKey kChartKeys[] = {{"Programmable"}, {"Control"}, {"MiscStatus", "0"},
//                                        {"MiscStatus\\1", "131473"}, {"ToolboxBitmap32", "%MODULE%, 101"}};
//     constexpr ClassEntry kClasses[] = {
//         {kChartClsid, createObject<CChart>, "Chart Class", "PelmTolvaneChart.Chart.1",
//          "PelmTolvaneChart.Chart", "Apartment", kChartKeys},
//     };
//     BRISANCE_COM_SERVER(kClasses)

#include "platform/com/ClassFactory.h"

#include <span>
#include <string_view>

namespace platform::com {

// A subkey of a class's key and its default value; an empty value makes the
// key alone. "%MODULE%" in a value stands for the library's path.
struct ClassKey {
    std::string_view key;
    std::string_view value = {};
};

// One creatable class of a library and what registration writes for it.
struct ClassEntry {
    CLSID clsid;
    CreateFunction create;
    std::string_view description;                    // default value of the class and ProgID keys
    std::string_view progId = {};                    // "Library.Class.1"; empty: none
    std::string_view versionIndependentProgId = {};  // "Library.Class", whose CurVer names progId
    std::string_view threadingModel = "Apartment";
    std::span<const ClassKey> extraKeys = {};
};

extern "C" {
using DllGetClassObjectFunction = HRESULT (*)(const CLSID* clsid, const IID* iid, void** object);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();
using DllUnregisterServerFunction = HRESULT (*)();
}

inline constexpr const char* kGetClassObjectName = "DllGetClassObject";
inline constexpr const char* kCanUnloadNowName = "DllCanUnloadNow";
inline constexpr const char* kRegisterServerName = "DllRegisterServer";
inline constexpr const char* kUnregisterServerName = "DllUnregisterServer";

// DllGetClassObject over a class table: a new factory of the class asked for
// interface iid; CLASS_E_CLASSNOTAVAILABLE for a class the table lacks.
// Hidden, so that the factory is made by (and counts against) the calling library.
[[gnu::visibility("hidden")]] inline HRESULT serverGetClassObject(std::span<const ClassEntry> classes, const CLSID* clsid,
                                                            const IID* iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!clsid || !iid) return E_INVALIDARG;
    for (const ClassEntry& entry : classes)
        if (entry.clsid == *clsid) return make<ClassFactory>(entry.create)->QueryInterface(*iid, object);
    return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace platform::com

#pragma once
// Creating objects by class id or ProgID, without linking the library that
// implements them:
//
//     ComPtr<ISonvaleController> controller;
//     if (const HRESULT hr = createInstance(kSonvaleControllerClsid, controller); failed(hr))
//         return hr;
//
// or, where failures are raised errors:
//
//     const auto controller = create<ISonvaleController>(kSonvaleControllerClsid);
//
// The class is looked up under HKEY_CLASSES_ROOT "CLSID\{clsid}\InprocServer32"
// (see Registration.h), its library is loaded (once per process, see
// ServerLibraries.h), asked for the class's factory, and the factory creates
// the object. Each way to fail has its own result:
//   REGDB_E_CLASSNOTREG        the class is not registered
//   CO_E_DLLNOTFOUND           its library cannot be loaded
//   CO_E_ERRORINDLL            the library lacks the entry points
//   CLASS_E_CLASSNOTAVAILABLE  the library does not offer the class (or what its DllGetClassObject said)
//   the factory's own result   the class refused to be created
//   E_NOINTERFACE              the object lacks the interface asked for

#include "platform/com/ClassFactory.h"

#include <string>
#include <string_view>

namespace platform::com {

// The class a ProgID names. A version-independent ProgID is followed through
// its CurVer to the current version. CO_E_CLASSSTRING when no class is named.
HRESULT clsidFromProgId(std::string_view progId, CLSID* clsid);

// The factory (or another class object interface) of a registered class.
HRESULT getClassObject(const CLSID& clsid, const IID& iid, void** object);

// A new object of a registered class, asked for interface iid.
HRESULT createInstance(const CLSID& clsid, const IID& iid, void** object);

template <class T>
HRESULT createInstance(const CLSID& clsid, ComPtr<T>& object)
{
    return createInstance(clsid, T::iid, object.putVoid());
}

template <class T>
HRESULT createInstance(std::string_view progId, ComPtr<T>& object)
{
    object.reset();
    CLSID clsid;
    if (const HRESULT hr = clsidFromProgId(progId, &clsid); failed(hr)) return hr;
    return createInstance(clsid, object);
}

// Raises the error of a failed creation of clsid: 429 ("ActiveX component
// can't create object") when the class, its library or its entry points
// cannot be found, else hr with its text (as raiseOnFailure). The source is
// the class id.
[[noreturn]] void raiseCreationFailure(HRESULT hr, const CLSID& clsid);

// A new object of a registered class; raises the creation's failure.
template <class T>
ComPtr<T> create(const CLSID& clsid)
{
    ComPtr<T> object;
    if (const HRESULT hr = createInstance(clsid, object); failed(hr)) raiseCreationFailure(hr, clsid);
    return object;
}

}  // namespace platform::com

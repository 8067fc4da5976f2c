#pragma once
// BRISANCE_COM_SERVER(classTable): defines the four entry points of an
// in-process server library over its class table (see InprocServer.h). Used
// once, in one source file of the library, outside any namespace.

#include "platform/com/InprocServer.h"
#include "platform/com/Registration.h"
#include "platform/system/Library.h"

#define BRISANCE_COM_SERVER(classTable) \
    extern "C" [[gnu::visibility("default")]] platform::com::HRESULT DllGetClassObject( \
        const platform::com::CLSID* clsid, const platform::com::IID* iid, void** object) \
    { \
        return platform::com::serverGetClassObject(classTable, clsid, iid, object); \
    } \
    extern "C" [[gnu::visibility("default")]] platform::com::HRESULT DllCanUnloadNow() \
    { \
        return platform::com::libraryLockCount() == 0 ? platform::com::S_OK : platform::com::S_FALSE; \
    } \
    extern "C" [[gnu::visibility("default")]] platform::com::HRESULT DllRegisterServer() \
    { \
        return platform::com::registerClasses( \
            classTable, platform::system::fileContaining(reinterpret_cast<const void*>(&DllRegisterServer))); \
    } \
    extern "C" [[gnu::visibility("default")]] platform::com::HRESULT DllUnregisterServer() \
    { \
        return platform::com::unregisterClasses(classTable); \
    }

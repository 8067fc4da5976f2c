#include "installer/ComLayer.h"

#include "platform/com/ServerLibraries.h"
#include "platform/registry/Key.h"

namespace installer {

platform::com::HRESULT initialiseCom()
{
    try {
        platform::registry::rootKey(platform::registry::Root::ClassesRoot);
        return platform::com::S_OK;
    } catch (const platform::registry::RegistryError&) {
        return platform::com::E_FAIL;
    }
}

void uninitialiseCom()
{
    platform::com::freeUnusedServers();
}

}  // namespace installer

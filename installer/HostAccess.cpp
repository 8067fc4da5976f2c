#include "installer/HostAccess.h"

#include "installer/ComLayer.h"

#include "platform/com/Creation.h"

namespace installer {

HostAccess realHost()
{
    return {initialiseCom, uninitialiseCom,
            [](const platform::com::CLSID& clsid, const platform::com::IID& iid, void** object) {
                return platform::com::createInstance(clsid, iid, object);
            }};
}

}  // namespace installer

#pragma once
// The classes a module registers with the host (its document, its print
// handler), created from the class id text the catalog keeps, and a failed
// creation told in words a clinician can act on rather than as a result code.

#include "platform/com/Creation.h"
#include "platform/com/Guid.h"

#include <string>

namespace host {

// A new object of the class whose id the module registered as "{...}";
// CO_E_CLASSSTRING when the text is no class id, else createInstance's result.
template <class T>
platform::com::HRESULT createModuleObject(const std::string& clsid, platform::com::ComPtr<T>& object)
{
    const auto parsed = platform::com::parseGuid(clsid);
    if (!parsed) return platform::com::CO_E_CLASSSTRING;
    return platform::com::createInstance(*parsed, object);
}

// Why such an object cannot be created, to follow its subject ("the print
// handler ..."): "is not registered on this computer", "cannot be loaded from
// its library", ... A code without its own words is given as its text.
std::string whyNotCreated(platform::com::HRESULT hr);

}  // namespace host

#include "host/ModuleClass.h"

#include <algorithm>
#include <iterator>

namespace host {

namespace {

using namespace platform::com;

struct Reason {
    HRESULT hr;
    const char* text;
    bool mendedByInstalling;  // a fault of the module's installation
};

constexpr Reason kReasons[] = {
    {REGDB_E_CLASSNOTREG, "is not registered on this computer", true},
    {CO_E_CLASSSTRING, "is registered without a valid class id", true},
    {CO_E_DLLNOTFOUND, "cannot be loaded: its library is missing or damaged", true},
    {CO_E_ERRORINDLL, "cannot be loaded: its library is not a component library", true},
    {CLASS_E_CLASSNOTAVAILABLE, "is missing from its library", true},
    {E_NOINTERFACE, "is not the kind of object the host expects", false},
    {E_OUTOFMEMORY, "cannot be created: the computer is out of memory", false},
};

}  // namespace

std::string whyNotCreated(HRESULT hr)
{
    const auto found = std::ranges::find(kReasons, hr, &Reason::hr);
    if (found == std::end(kReasons)) return "failed to start (" + describe(hr) + ")";
    std::string text = found->text;
    if (found->mendedByInstalling) text += " (installing the module again may mend this)";
    return text;
}

}  // namespace host

#include "platform/com/HResult.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

namespace platform::com {

namespace {

constexpr std::pair<HRESULT, const char*> kTexts[] = {
    {S_OK, "Success"},
    {S_FALSE, "Success (false)"},
    {E_NOTIMPL, "Not implemented"},
    {E_NOINTERFACE, "No such interface supported"},
    {E_POINTER, "Invalid pointer"},
    {E_ABORT, "Operation aborted"},
    {E_FAIL, "Unspecified error"},
    {E_UNEXPECTED, "Catastrophic failure"},
    {E_OUTOFMEMORY, "Out of memory"},
    {E_INVALIDARG, "The parameter is incorrect"},
    {E_ACCESSDENIED, "Access is denied"},
    {E_HANDLE, "Invalid handle"},
    {CLASS_E_NOAGGREGATION, "Class does not support aggregation"},
    {CLASS_E_CLASSNOTAVAILABLE, "The library does not offer the class"},
    {REGDB_E_CLASSNOTREG, "Class not registered"},
    {RPC_E_SERVERFAULT, "The server threw an exception"},
    {CO_E_DLLNOTFOUND, "The class's library cannot be loaded"},
    {CO_E_ERRORINDLL, "The class's library lacks the component-object entry points"},
    {CO_E_CLASSSTRING, "Invalid class string"},
    {REGDB_E_READREGDB, "Could not read key from registry"},
    {REGDB_E_WRITEREGDB, "Could not write key to registry"},
    {DISP_E_UNKNOWNINTERFACE, "Unknown interface"},
    {DISP_E_MEMBERNOTFOUND, "Member not found"},
    {DISP_E_PARAMNOTFOUND, "Parameter not found"},
    {DISP_E_TYPEMISMATCH, "Type mismatch"},
    {DISP_E_UNKNOWNNAME, "Unknown name"},
    {DISP_E_NONAMEDARGS, "No named arguments"},
    {DISP_E_BADVARTYPE, "Bad variable type"},
    {DISP_E_EXCEPTION, "Exception occurred"},
    {DISP_E_OVERFLOW, "Out of present range"},
    {DISP_E_BADINDEX, "Invalid index"},
    {DISP_E_PARAMNOTOPTIONAL, "Parameter not optional"},
    {DISP_E_BADPARAMCOUNT, "Invalid number of parameters"},
    {CONNECT_E_NOCONNECTION, "No such connection"},
    {CONNECT_E_CANNOTCONNECT, "The sink does not support the event interface"},
    {SELFREG_E_CLASS, "Failed to register or unregister the classes"},
    {STG_E_READFAULT, "Could not read the stream"},
    {STG_E_INVALIDHEADER, "The stream's content is not valid"},
};

}  // namespace

std::string describe(HRESULT hr)
{
    const auto found = std::find_if(std::begin(kTexts), std::end(kTexts), [hr](const auto& entry) { return entry.first == hr; });
    if (found != std::end(kTexts)) return found->second;
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<std::uint32_t>(hr));
    return text;
}

}  // namespace platform::com

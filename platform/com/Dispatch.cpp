#include "platform/com/Dispatch.h"

#include "platform/com/DispatchConvert.h"
#include "platform/com/DispatchTable.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <cctype>
#include <new>

namespace platform::com {

namespace detail {

HRESULT converting(const std::function<void()>& convert)
{
    try {
        convert();
        return S_OK;
    } catch (const runtime::RuntimeError& error) {
        return error.number() == runtime::errors::Overflow ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH;
    }
}

HRESULT guardCall(const std::function<HRESULT()>& call, ExceptionInfo* exception)
{
    try {
        return call();
    } catch (const runtime::RuntimeError& error) {
        if (exception) *exception = {error.number(), error.description(), error.source()};
        return DISP_E_EXCEPTION;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace detail

Variant missingArgument()
{
    return Variant(runtime::ErrorValue{DISP_E_PARAMNOTFOUND});
}

bool isMissing(const Variant& argument)
{
    const auto* error = argument.get<runtime::ErrorValue>();
    return error && error->code == DISP_E_PARAMNOTFOUND;
}

HRESULT dispidOf(IDispatch* object, const std::string& name, DISPID* dispid)
{
    if (!object || !dispid) return E_POINTER;
    return object->GetIDsOfNames(std::span(&name, 1), dispid);
}

HRESULT getProperty(IDispatch* object, const std::string& name, Variant* value)
{
    DISPID dispid = DISPID_UNKNOWN;
    if (const HRESULT hr = dispidOf(object, name, &dispid); failed(hr)) return hr;
    return object->Invoke(dispid, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {}, value);
}

HRESULT putProperty(IDispatch* object, const std::string& name, Variant value)
{
    DISPID dispid = DISPID_UNKNOWN;
    if (const HRESULT hr = dispidOf(object, name, &dispid); failed(hr)) return hr;
    return object->Invoke(dispid, DISPATCH_PROPERTYPUT, std::span(&value, 1), nullptr);
}

HRESULT callMethod(IDispatch* object, const std::string& name, std::span<Variant> args, Variant* result)
{
    DISPID dispid = DISPID_UNKNOWN;
    if (const HRESULT hr = dispidOf(object, name, &dispid); failed(hr)) return hr;
    return object->Invoke(dispid, DISPATCH_METHOD, args, result);
}

}  // namespace platform::com

#pragma once
// Dispatch: calling an object's members by number (DISPID) or by name with
// variant arguments, for late-bound callers and for event sinks. Dual
// interfaces offer both their typed members and dispatch; DispatchTable.h
// makes the second from the first.

#include "platform/com/DispatchIds.h"
#include "platform/com/IUnknown.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <span>
#include <string>

namespace platform::com {

using runtime::Variant;

// What a call asks of a member; a late-bound caller that cannot tell a
// method from a property read passes both.
enum DispatchFlags : std::uint16_t {
    DISPATCH_METHOD = 1,
    DISPATCH_PROPERTYGET = 2,
    DISPATCH_PROPERTYPUT = 4,
    DISPATCH_PROPERTYPUTREF = 8,
};

// What a member that raised an error said (with DISP_E_EXCEPTION).
struct ExceptionInfo {
    std::int32_t number = 0;
    std::string description;
    std::string source;
};

class IDispatch : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{00020400-0000-0000-C000-000000000046}");
    using Base = IUnknown;

    // The DISPIDs of members by name, compared without regard to case. When a
    // name is unknown its DISPID is DISPID_UNKNOWN and the result DISP_E_UNKNOWNNAME.
    virtual HRESULT GetIDsOfNames(std::span<const std::string> names, DISPID* dispids) = 0;

    // Calls a member. Arguments come in call order (the first argument first);
    // a put takes the new value as its last argument. An out or by-reference
    // parameter writes its value back into its argument. An optional argument
    // left out is either absent at the end or passed as missingArgument().
    // result (may be null) gets the return value. Failures:
    // DISP_E_MEMBERNOTFOUND (no such member, or not with these flags),
    // DISP_E_BADPARAMCOUNT, DISP_E_PARAMNOTOPTIONAL, DISP_E_TYPEMISMATCH and
    // DISP_E_OVERFLOW (argument conversion), DISP_E_EXCEPTION (the member
    // raised an error; *exception, when given, says which), or the member's
    // own failing result.
    virtual HRESULT Invoke(DISPID dispid, std::uint16_t flags, std::span<Variant> args, Variant* result,
                           ExceptionInfo* exception = nullptr) = 0;

protected:
    ~IDispatch() = default;
};

// The argument that stands for an optional argument left out.
Variant missingArgument();
bool isMissing(const Variant& argument);

// The DISPID of one name on object; DISP_E_UNKNOWNNAME when it has none.
HRESULT dispidOf(IDispatch* object, const std::string& name, DISPID* dispid);

// Late binding by name: a property read, a put, a method call.
HRESULT getProperty(IDispatch* object, const std::string& name, Variant* value);
HRESULT putProperty(IDispatch* object, const std::string& name, Variant value);
HRESULT callMethod(IDispatch* object, const std::string& name, std::span<Variant> args, Variant* result = nullptr);

}  // namespace platform::com

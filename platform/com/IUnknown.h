#pragma once
// The root of every component interface: reference counting and interface query.
// An object lives while it is referenced; the last Release destroys it.

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

#include <cstdint>

namespace platform::com {

class IUnknown {
public:
    static constexpr IID iid = makeGuid("{00000000-0000-0000-C000-000000000046}");

    // On success stores an added reference in *object; otherwise stores nullptr
    // and returns E_NOINTERFACE (or E_POINTER when object is null).
    virtual HRESULT QueryInterface(const IID& iid, void** object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IUnknown() = default;  // objects are destroyed by Release, never deleted through an interface
};

}  // namespace platform::com

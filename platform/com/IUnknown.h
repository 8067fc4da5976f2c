#pragma once
// The root of every component interface: reference counting and interface query.
// An object lives while it is referenced; the last Release destroys it.
//
// An interface is an abstract class deriving from one other interface, with
// its id and its parent named inside:
//
//     class ILine : public IDispatch {
//     public:
//         static constexpr IID iid = makeGuid("{...}");
//         using Base = IDispatch;
//         virtual HRESULT get_Color(std::int32_t* color) = 0;
//     protected:
//         ~ILine() = default;
//     };

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

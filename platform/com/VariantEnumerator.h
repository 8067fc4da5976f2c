#pragma once
// Enumerators over collections: what a collection's NewEnum / _NewEnum gives,
// a walk over a snapshot of its items taken when the enumerator was made.

#include "platform/com/ComPtr.h"
#include "platform/com/IUnknown.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <vector>

namespace platform::com {

class IEnumVARIANT : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{00020404-0000-0000-C000-000000000046}");
    using Base = IUnknown;

    // The next count items into items[0..count); *fetched (optional) gets how
    // many; S_FALSE when fewer than count were left.
    virtual HRESULT Next(std::uint32_t count, runtime::Variant* items, std::uint32_t* fetched) = 0;
    // S_FALSE when fewer than count were left to skip.
    virtual HRESULT Skip(std::uint32_t count) = 0;
    virtual HRESULT Reset() = 0;
    // A second enumerator over the same snapshot, at the same position.
    virtual HRESULT Clone(IEnumVARIANT** copy) = 0;

protected:
    ~IEnumVARIANT() = default;
};

ComPtr<IEnumVARIANT> createVariantEnumerator(std::vector<runtime::Variant> items);

}  // namespace platform::com

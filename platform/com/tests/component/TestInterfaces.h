#pragma once
// The interfaces and class ids of the test component library.

#include "platform/com/IUnknown.h"

#include <cstdint>

namespace testcomponent {

using platform::com::HRESULT;
using platform::com::IID;
using platform::com::makeGuid;

inline constexpr platform::com::CLSID kCounterClsid = makeGuid("{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E01}");
// Offered by the table, but its creation always fails with kRefusingResult.
inline constexpr platform::com::CLSID kRefusingClsid = makeGuid("{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E02}");
inline constexpr HRESULT kRefusingResult = platform::com::hresult(0x80041234);

class ICounterEvents : public platform::com::IUnknown {
public:
    static constexpr IID iid = makeGuid("{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E11}");
    using Base = platform::com::IUnknown;
    virtual HRESULT Changed(std::int32_t value) = 0;

protected:
    ~ICounterEvents() = default;
};

class ICounter : public platform::com::IUnknown {
public:
    static constexpr IID iid = makeGuid("{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E10}");
    using Base = platform::com::IUnknown;
    virtual HRESULT get_Value(std::int32_t* value) = 0;
    virtual HRESULT put_Value(std::int32_t value) = 0;

protected:
    ~ICounter() = default;
};

}  // namespace testcomponent

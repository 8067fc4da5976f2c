#pragma once
// The interfaces and class ids of the test component library.

#include "platform/com/Dispatch.h"
#include "platform/com/Font.h"
#include "platform/com/VariantEnumerator.h"

#include <cstdint>
#include <optional>
#include <string>

namespace testcomponent {

using platform::com::HRESULT;
using platform::com::IID;
using platform::com::makeGuid;

inline constexpr platform::com::CLSID kCounterClsid = makeGuid("{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E01}");
// Offered by the table, but its creation always fails with kRefusingResult.
inline constexpr platform::com::CLSID kRefusingClsid = makeGuid("{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E02}");
inline constexpr HRESULT kRefusingResult = platform::com::hresult(0x80041234);

// Events of a counter, a dispatch interface: Changed(long value) with DISPID 1,
// raised by every put of Value.
inline constexpr IID kCounterEventsIid = makeGuid("{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E11}");
inline constexpr platform::com::DISPID kChangedEvent = 1;

// A dual interface; the DISPIDs are in the comments.
class ICounter : public platform::com::IDispatch {
public:
    static constexpr IID iid = makeGuid("{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E10}");
    using Base = platform::com::IDispatch;

    virtual HRESULT get_Value(std::int32_t* value) = 0;  // Value 1
    virtual HRESULT put_Value(std::int32_t value) = 0;
    virtual HRESULT get_Name(std::string* name) = 0;  // Name 2, read only
    // Add 3: adds amount, times times (1 when left out); the new value.
    virtual HRESULT Add(std::int32_t amount, std::optional<std::int32_t> times, std::int32_t* total) = 0;
    // Split 4: the value's halves into two by-reference arguments; whether it was even.
    virtual HRESULT Split(std::int32_t* half, std::int32_t* rest, bool* even) = 0;
    // Font 5: put stores a copy, putref the object itself.
    virtual HRESULT get_Font(platform::com::IFont** font) = 0;
    virtual HRESULT put_Font(platform::com::IFont* font) = 0;
    virtual HRESULT putref_Font(platform::com::IFont* font) = 0;
    // Fail 6: raises error 5 ("Invalid procedure call or argument").
    virtual HRESULT Fail() = 0;
    // _NewEnum -4: the values put so far, in order.
    virtual HRESULT get__NewEnum(platform::com::IEnumVARIANT** values) = 0;

protected:
    ~ICounter() = default;
};

}  // namespace testcomponent

#pragma once
// ILines: a chart's collection of lines, keyed and ordered by line id.

#include "PelmTolvaneChart/ILine.h"

namespace lumenplot {

namespace lines_dispid {
inline constexpr DISPID NewEnum = platform::com::DISPID_NEWENUM;
inline constexpr DISPID Item = 0;
inline constexpr DISPID Add = 1;
inline constexpr DISPID Clear = 2;
inline constexpr DISPID ItemExist = 3;
inline constexpr DISPID Remove = 4;
}  // namespace lines_dispid

class ILines : public IDispatch {
public:
    static constexpr platform::com::IID iid = platform::com::makeGuid("{879DDC71-55D0-42F9-97D9-6E5B49F276C7}");
    using Base = IDispatch;

    // An enumerator of variants over the lines as they are now, ascending by id.
    virtual HRESULT get__NewEnum(platform::com::IUnknown** enumerator) = 0;
    // E_INVALIDARG when no line has the id.
    virtual HRESULT Item(std::int32_t LineID, ILine** line) = 0;
    // A new line with the id; E_INVALIDARG (and no line) when the id is taken.
    virtual HRESULT Add(std::int32_t NewLineID, ILine** line) = 0;
    // Lets go of every line; a caller still holding one may keep using it.
    virtual HRESULT Clear() = 0;
    virtual HRESULT ItemExist(std::int32_t LineID, VARIANT_BOOL* exist) = 0;
    // Success is false when no line has the id; the call itself succeeds.
    virtual HRESULT Remove(std::int32_t LineID, VARIANT_BOOL* success) = 0;

protected:
    ~ILines() = default;
};

}  // namespace lumenplot

#pragma once
// ISonvaleDrivers: the registered drivers, in registry order, by index from 0.

#include "PelmSonvale/ISonvaleDriver.h"
#include "platform/com/VariantEnumerator.h"

namespace pelmsonvale {

// A dual interface; the DISPIDs are in the comments.
class ISonvaleDrivers : public platform::com::IDispatch {
public:
    static constexpr IID iid = makeGuid("{E17555E2-BD42-4894-AD53-F5FD35F94640}");
    using Base = platform::com::IDispatch;

    // _NewEnum -4: the drivers in index order, as objects.
    virtual HRESULT get__NewEnum(platform::com::IEnumVARIANT** drivers) = 0;
    // Item 0 (default): the driver of this index; E_INVALIDARG for an index not in the list.
    virtual HRESULT get_Item(std::int32_t Index, ISonvaleDriver** driver) = 0;
    // Count 1.
    virtual HRESULT get_Count(std::int32_t* count) = 0;
    // FindByType 2: the first driver whose ManufacturerID is exactly this
    // text (case counts); whether there is one.
    virtual HRESULT FindByType(std::string strManufacturerID, ISonvaleDriver** pFoundDriver, bool* found) = 0;

protected:
    ~ISonvaleDrivers() = default;
};

}  // namespace pelmsonvale

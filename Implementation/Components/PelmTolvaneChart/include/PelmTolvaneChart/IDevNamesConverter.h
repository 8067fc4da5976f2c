#pragma once
// IDevNamesConverter: printer device contexts from the platform's printer-name
// and device-mode blocks, or for the default printer.

#include "platform/com/Dispatch.h"

#include <cstdint>

namespace lumenplot {

namespace devnames_dispid {
inline constexpr platform::com::DISPID GetDCFromDevNamesStruct = 1;
inline constexpr platform::com::DISPID GetDefaultPrinterDC = 2;
}  // namespace devnames_dispid

class IDevNamesConverter : public platform::com::IDispatch {
public:
    static constexpr platform::com::IID iid = platform::com::makeGuid("{2A36E4B4-E225-419F-AB70-02529D3B49F0}");
    using Base = platform::com::IDispatch;

    virtual platform::com::HRESULT GetDCFromDevNamesStruct(std::int32_t hDevNames, std::int32_t hDevMode,
                                                           std::int32_t* hdc) = 0;
    // E_UNEXPECTED and 0 when there is no default printer.
    virtual platform::com::HRESULT GetDefaultPrinterDC(std::int32_t nFlags, std::int32_t* hdc) = 0;

protected:
    ~IDevNamesConverter() = default;
};

}  // namespace lumenplot

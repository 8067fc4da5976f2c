#pragma once
// DevNamesConverter Class: printer device contexts for the printing side of
// the chart. Registered with the library; its conversions are not offered
// yet and answer E_NOTIMPL.

#include "PelmTolvaneChart/IDevNamesConverter.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/Object.h"

#include <span>

namespace lumenplot {

// IDevNamesConverter's members as dispatch sees them.
std::span<const platform::com::DispatchMember<IDevNamesConverter>> devNamesConverterMembers();

class CDevNamesConverter final
    : public platform::com::Object<platform::com::Dispatched<IDevNamesConverter, devNamesConverterMembers>> {
public:
    platform::com::HRESULT GetDCFromDevNamesStruct(std::int32_t hDevNames, std::int32_t hDevMode, std::int32_t* hdc) override;
    platform::com::HRESULT GetDefaultPrinterDC(std::int32_t nFlags, std::int32_t* hdc) override;
};

}  // namespace lumenplot

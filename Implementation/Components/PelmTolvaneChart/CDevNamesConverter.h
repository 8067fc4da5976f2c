#pragma once
// DevNamesConverter Class: printer device contexts from the print service's
// printer-name and settings blocks, or for the default printer. Each context
// belongs to the caller, who deletes it.

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
    // A context for the printer that a live names block names; success and 0
    // for a zero or freed block. The blocks stay the caller's; the printers of
    // this machine take no settings from the settings block.
    platform::com::HRESULT GetDCFromDevNamesStruct(std::int32_t hDevNames, std::int32_t hDevMode, std::int32_t* hdc) override;
    // A context for the default printer, from the blocks the print dialog
    // hands out for it without showing itself (the flags plus PD_RETURNDEFAULT);
    // the blocks are freed once the context is made. E_UNEXPECTED and 0
    // without a default printer.
    platform::com::HRESULT GetDefaultPrinterDC(std::int32_t nFlags, std::int32_t* hdc) override;
};

}  // namespace lumenplot

#include "CDevNamesConverter.h"

#include "platform/print/PrintDialog.h"
#include "platform/print/PrinterBlocks.h"
#include "platform/registry/Registry.h"

namespace lumenplot {

namespace print = platform::print;
using platform::com::HRESULT;

namespace {

using DevNamesMember = platform::com::DispatchMember<IDevNamesConverter>;
constexpr DevNamesMember kDevNamesConverterMembers[] = {
    DevNamesMember::method<&IDevNamesConverter::GetDCFromDevNamesStruct>("GetDCFromDevNamesStruct",
                                                                         devnames_dispid::GetDCFromDevNamesStruct),
    DevNamesMember::method<&IDevNamesConverter::GetDefaultPrinterDC>("GetDefaultPrinterDC",
                                                                     devnames_dispid::GetDefaultPrinterDC),
};

}  // namespace

std::span<const DevNamesMember> devNamesConverterMembers() { return kDevNamesConverterMembers; }

HRESULT CDevNamesConverter::GetDCFromDevNamesStruct(std::int32_t hDevNames, std::int32_t hDevMode, std::int32_t* hdc)
{
    if (!hdc) return platform::com::E_POINTER;
    *hdc = 0;
    // The mode's copies and collation go with the context; a mode block that
    // is missing or unknown leaves the printer's own.
    if (const std::optional<print::DeviceNames> names = print::deviceNames(hDevNames))
        *hdc = print::createDc(*names, print::deviceMode(hDevMode));
    return platform::com::S_OK;
}

HRESULT CDevNamesConverter::GetDefaultPrinterDC(std::int32_t nFlags, std::int32_t* hdc)
{
    if (!hdc) return platform::com::E_POINTER;
    *hdc = 0;
    print::PrintDialogResult printer;
    try {
        // The dialog's own context would be nobody's: the context comes from the blocks.
        printer = print::printDialog((static_cast<std::uint32_t>(nFlags) | print::PD_RETURNDEFAULT) & ~print::PD_RETURNDC);
    } catch (const platform::registry::RegistryError&) {
        return platform::com::E_UNEXPECTED;
    }
    if (printer.outcome != print::PrintDialogOutcome::Printer) return platform::com::E_UNEXPECTED;
    const HRESULT hr = GetDCFromDevNamesStruct(printer.blocks.names, printer.blocks.mode, hdc);
    print::freeBlock(printer.blocks.names);
    print::freeBlock(printer.blocks.mode);
    return hr;
}

}  // namespace lumenplot

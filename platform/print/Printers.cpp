#include "platform/print/Printers.h"

#include "platform/machine/MachineRoot.h"
#include "platform/print/PrinterSurface.h"

#include <QPrinterInfo>

#include <algorithm>

namespace platform::print {
namespace {

std::vector<std::string> machinePrinters()
{
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return names;
}

}  // namespace

BuiltInPrinterSettings builtInPrinterSettings()
{
    return {"Brisance PDF Printer", machine::root() / "Printed"};
}

std::vector<std::string> printerNames()
{
    std::vector<std::string> names = machinePrinters();
    const std::string builtIn = builtInPrinterSettings().name;
    if (!builtIn.empty() && std::find(names.begin(), names.end(), builtIn) == names.end())
        names.push_back(builtIn);
    return names;
}

std::string defaultPrinterName()
{
    const std::string machineDefault = QPrinterInfo::defaultPrinterName().toStdString();
    return machineDefault.empty() ? builtInPrinterSettings().name : machineDefault;
}

gfx::DcHandle createPrinterDc(const std::string& printerName)
{
    const BuiltInPrinterSettings builtIn = builtInPrinterSettings();
    if (!builtIn.name.empty() && printerName == builtIn.name)
        return gfx::detail::addContext(std::make_unique<detail::PrinterSurface>(builtIn.folder));
    const std::vector<std::string> names = machinePrinters();
    if (printerName.empty() || std::find(names.begin(), names.end(), printerName) == names.end())
        return 0;
    return gfx::detail::addContext(std::make_unique<detail::PrinterSurface>(printerName));
}

}  // namespace platform::print

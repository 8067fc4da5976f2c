#include "platform/print/Printers.h"

#include "platform/machine/MachineRoot.h"
#include "platform/print/PrinterSurface.h"
#include "platform/registry/Key.h"

#include <QPrinterInfo>

#include <algorithm>

namespace platform::print {
namespace {

constexpr std::string_view kSettingsKey = "SOFTWARE\\Brisance\\Printing";
constexpr std::string_view kNameValue = "BuiltInPrinterName";
constexpr std::string_view kFolderValue = "BuiltInPrinterFolder";

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
    BuiltInPrinterSettings settings{"Brisance PDF Printer", machine::root() / "Printed"};
    registry::Key key;
    if (registry::openKey(registry::Root::LocalMachine, kSettingsKey, registry::Access::Read, key)
        != registry::Result::Success)
        return settings;
    std::string text;
    if (key.getString(kNameValue, text) == registry::Result::Success)
        settings.name = text;
    if (key.getString(kFolderValue, text) == registry::Result::Success && !text.empty())
        settings.folder = machine::root() / text;  // an absolute path stays as it is
    return settings;
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

gfx::DcHandle createPrinterDc(const std::string& printerName, const PrinterCopies& copies)
{
    const BuiltInPrinterSettings builtIn = builtInPrinterSettings();
    if (!builtIn.name.empty() && printerName == builtIn.name)
        return gfx::detail::addContext(std::make_unique<detail::PrinterSurface>(builtIn.folder));
    const std::vector<std::string> names = machinePrinters();
    if (printerName.empty() || std::find(names.begin(), names.end(), printerName) == names.end())
        return 0;
    auto printer = std::make_unique<detail::PrinterSurface>(printerName);
    printer->setCopies(copies);
    return gfx::detail::addContext(std::move(printer));
}

PrinterCopies printerCopies(gfx::DcHandle dc)
{
    const detail::PrinterSurface* printer = detail::findPrinter(dc);
    return printer ? printer->copies() : PrinterCopies{};
}

}  // namespace platform::print

#pragma once
// The machine's printers, plus one built-in printer that writes every print job
// as a PDF file into a folder of the machine root, so that printing works (and
// can be checked) on any machine.

#include "platform/gfx/Types.h"

#include <filesystem>
#include <string>
#include <vector>

namespace platform::print {

// Where the built-in printer's name and output folder come from.
struct BuiltInPrinterSettings {
    std::string name;  // empty: the machine has no built-in printer
    std::filesystem::path folder;
};
// The current settings, read at every call from the registry key
// HKEY_LOCAL_MACHINE "SOFTWARE\Brisance\Printing": the REG_SZ values
// "BuiltInPrinterName" (an empty name removes the built-in printer) and
// "BuiltInPrinterFolder" (relative to the machine root, or absolute). Missing
// values (or values of another type) give "Brisance PDF Printer" and
// <machine root>/Printed.
//
// This and every function below throw registry::RegistryError when the
// registry file cannot be used.
BuiltInPrinterSettings builtInPrinterSettings();

// The names of all printers: the machine's, then the built-in one.
std::vector<std::string> printerNames();
// The machine's default printer; the built-in one when the machine has no
// printer of its own; empty when there is no printer at all.
std::string defaultPrinterName();

// How many copies of each job a printer context prints, and whether a job of
// several pages comes out copy by copy (collated) or page by page.
struct PrinterCopies {
    int count = 1;
    bool collate = false;
    friend bool operator==(const PrinterCopies&, const PrinterCopies&) = default;
};

// A printer device context for the named printer (compared exactly), ready for
// a print job (PrintJob.h); 0 for an unknown name. The caller deletes it with
// gfx::deleteDc. Device capabilities are available before the job starts.
// The machine's printers print the copies asked for; the built-in printer
// writes each job once, as one file.
gfx::DcHandle createPrinterDc(const std::string& printerName, const PrinterCopies& copies = {});

// The copies the printer context prints; one, not collated, for a context
// that is no printer context.
PrinterCopies printerCopies(gfx::DcHandle dc);

}  // namespace platform::print

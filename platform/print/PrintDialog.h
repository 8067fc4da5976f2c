#pragma once
// The print dialog: the user picks a printer and the number of copies, and gets
// a printer device context. With PD_RETURNDEFAULT no dialog is shown and the
// default printer is taken.

#include "platform/gfx/Types.h"
#include "platform/print/PrinterBlocks.h"

#include <cstdint>
#include <string>

class QWidget;

namespace platform::print {

enum PrintDialogFlags : std::uint32_t {
    PD_NOSELECTION = 0x00000004,
    PD_NOPAGENUMS = 0x00000008,
    PD_COLLATE = 0x00000010,
    PD_PRINTTOFILE = 0x00000020,
    PD_RETURNDC = 0x00000100,
    PD_RETURNDEFAULT = 0x00000400,
    PD_HIDEPRINTTOFILE = 0x00100000,
    PD_USEDEVMODECOPIESANDCOLLATE = 0x00040000,
};

enum class PrintDialogOutcome { Printer, Cancelled, NoPrinter };

struct PrintDialogResult {
    PrintDialogOutcome outcome = PrintDialogOutcome::Cancelled;
    std::string printerName;
    int copies = 1;
    bool collate = false;
    gfx::DcHandle dc = 0;  // with PD_RETURNDC and a printer: owned by the caller
    // With a printer: its name and settings blocks, which the caller frees
    // (PrinterBlocks.h).
    PrinterBlocks blocks = {};
};

// Shows the print dialog (or, with PD_RETURNDEFAULT, takes the default printer
// without one). The choice never changes the machine's default printer.
// NoPrinter when the machine has no printer at all.
PrintDialogResult printDialog(std::uint32_t flags, QWidget* owner = nullptr);

}  // namespace platform::print

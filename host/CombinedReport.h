#pragma once
// The host's combined report of one action: a heading with the client and the
// action's date, and below it the part of the module that shows the action,
// drawn by the print handler that the module registered.

#include "host/Records.h"

#include <string>

namespace host {

// Prints the combined report of the stored action on the named printer (the
// default printer when empty); the built-in PDF printer writes it to
// outputFile when one is given. Gives the file the built-in printer wrote, or
// empty for another printer.
//
// The module is the action's creator when it has a print handler, else the
// first registered module that shows the action's data type and has one. Its
// handler is created by class id and draws into the rectangle it asks for
// through the host's print object. Raises when there is no such module, when
// its handler cannot be created or fails, and when the printer fails (a file
// that cannot be written whole is named with the cause); a report that fails
// leaves no file under the file's name.
std::string printCombinedReport(RowId action, const std::string& printerName = {},
                                const std::string& outputFile = {});

}  // namespace host

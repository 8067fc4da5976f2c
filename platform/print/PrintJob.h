#pragma once
// The print job on a printer device context: a document of pages.
//
// startDoc opens the job, startPage/endPage bracket each page, endDoc finishes
// it; abortDoc throws the job away (the built-in printer leaves no file behind).
// Each call returns a positive value on success and 0 or less on failure (a
// call out of order, or a context that is no printer context).

#include "platform/gfx/Types.h"

#include <string>

namespace platform::print {

// Starts a document. The built-in printer writes "<document name>.pdf" into its
// folder ("<document name> (2).pdf" and so on when that exists), or to the
// output file when one is given. Returns the job id.
int startDoc(gfx::DcHandle dc, const std::string& documentName, const std::string& outputFile = {});
int startPage(gfx::DcHandle dc);
int endPage(gfx::DcHandle dc);
int endDoc(gfx::DcHandle dc);
int abortDoc(gfx::DcHandle dc);

// The file the built-in printer wrote (or is writing) for the context's job;
// empty for other printers or before startDoc.
std::string outputFile(gfx::DcHandle dc);

}  // namespace platform::print

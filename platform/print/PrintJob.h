#pragma once
// The print job on a printer device context: a document of pages.
//
// startDoc opens the job, startPage/endPage bracket each page, endDoc finishes
// it; abortDoc throws the job away (the built-in printer leaves no file behind).
// Each call returns a positive value on success and 0 or less on failure (a
// call out of order, a context that is no printer context, or a file that
// could not be written).
//
// A job that writes a file (every job of the built-in printer, and one with
// an output file) writes it whole or not at all: the file gets its name only
// when endDoc has put every byte of it on the disk, and a job that fails or is
// aborted leaves no file under that name.

#include "platform/gfx/Types.h"

#include <optional>
#include <string>
#include <system_error>

namespace platform::print {

// Starts a document. The built-in printer writes "<document name>.pdf" into its
// folder ("<document name> (2).pdf" and so on when that exists), or to the
// output file when one is given, which it replaces; another printer given an
// output file writes the document there as a PDF of its page. Returns the job
// id; fails when the file cannot be made in its folder.
int startDoc(gfx::DcHandle dc, const std::string& documentName, const std::string& outputFile = {});
int startPage(gfx::DcHandle dc);
int endPage(gfx::DcHandle dc);
int endDoc(gfx::DcHandle dc);
int abortDoc(gfx::DcHandle dc);

// The file the context's job wrote (or is writing; a free name may still
// change when endDoc finds it taken meanwhile); empty for a job on paper or
// before startDoc.
std::string outputFile(gfx::DcHandle dc);

// Why the context's job could not write its file: the file and the system's
// cause (no space left, permission denied, ...). Nothing when the job did not
// fail for its file.
struct JobFailure {
    std::string file;
    std::error_code cause;
};
std::optional<JobFailure> jobFailure(gfx::DcHandle dc);

}  // namespace platform::print

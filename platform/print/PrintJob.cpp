#include "platform/print/PrintJob.h"

#include "platform/print/PrinterSurface.h"

namespace platform::print {

int startDoc(gfx::DcHandle dc, const std::string& documentName, const std::string& outputFile)
{
    detail::PrinterSurface* printer = detail::findPrinter(dc);
    return printer ? printer->startDoc(documentName, outputFile) : -1;
}

int startPage(gfx::DcHandle dc)
{
    detail::PrinterSurface* printer = detail::findPrinter(dc);
    return printer ? printer->startPage() : -1;
}

int endPage(gfx::DcHandle dc)
{
    detail::PrinterSurface* printer = detail::findPrinter(dc);
    return printer ? printer->endPage() : -1;
}

int endDoc(gfx::DcHandle dc)
{
    detail::PrinterSurface* printer = detail::findPrinter(dc);
    return printer ? printer->endDoc() : -1;
}

int abortDoc(gfx::DcHandle dc)
{
    detail::PrinterSurface* printer = detail::findPrinter(dc);
    return printer ? printer->abortDoc() : -1;
}

std::string outputFile(gfx::DcHandle dc)
{
    const detail::PrinterSurface* printer = detail::findPrinter(dc);
    return printer ? printer->outputFile() : std::string();
}

std::optional<JobFailure> jobFailure(gfx::DcHandle dc)
{
    const detail::PrinterSurface* printer = detail::findPrinter(dc);
    return printer ? printer->failure() : std::nullopt;
}

}  // namespace platform::print

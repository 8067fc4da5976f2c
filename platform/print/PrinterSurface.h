#pragma once
// Inside the printing service: the surface of a printer device context and its
// print job. The built-in printer writes a PDF file; the machine's printers
// print through Qt's print support.

#include "platform/gfx/Context.h"
#include "platform/print/PrintJob.h"
#include "platform/print/Printers.h"

#include <QBuffer>
#include <QPageLayout>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QPagedPaintDevice;
class QPrinter;

namespace platform::print::detail {

class PrintFile;

class PrinterSurface final : public gfx::detail::Surface {
public:
    // The built-in printer, writing into the folder.
    explicit PrinterSurface(std::filesystem::path folder);
    // One of the machine's printers.
    explicit PrinterSurface(const std::string& printerName);
    ~PrinterSurface() override;

    QPainter* painter() override;
    int technology() const override { return gfx::DT_RASPRINTER; }
    int deviceCaps(int index) const override;

    int startDoc(const std::string& documentName, const std::string& outputFile);
    int startPage();
    int endPage();
    int endDoc();
    int abortDoc();
    // The copies a machine's printer prints; the built-in printer keeps one.
    void setCopies(const PrinterCopies& copies);
    PrinterCopies copies() const;

    std::string outputFile() const;
    const std::optional<JobFailure>& failure() const { return m_failure; }

private:
    enum class Phase { Idle, Document, Page };
    bool openDevice(const std::string& documentName, const std::string& outputFile);
    // Ends the painting; for a job that writes a file, writes it whole.
    bool finish();
    void forgetJob();

    std::filesystem::path m_folder;  // empty for the machine's printers
    std::unique_ptr<QPrinter> m_printer;
    // A job that writes a file paints its PDF into memory, written out whole
    // at the end.
    std::unique_ptr<QPagedPaintDevice> m_pdf;
    QBuffer m_pdfBytes;
    std::unique_ptr<PrintFile> m_file;
    std::optional<JobFailure> m_failure;
    QPageLayout m_layout;
    int m_dpi;
    std::unique_ptr<QPainter> m_painter;
    Phase m_phase = Phase::Idle;
    int m_pages = 0;
};

PrinterSurface* findPrinter(gfx::DcHandle dc);

}  // namespace platform::print::detail

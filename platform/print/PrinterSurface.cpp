#include "platform/print/PrinterSurface.h"

#include "platform/print/PrintFile.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace platform::print::detail {
namespace {

// The built-in printer: A4 portrait at 600 dots per inch, printable to the edge.
constexpr int kPdfDpi = 600;

QPageLayout pdfLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

int nextJobId()
{
    static int next = 1;
    return next++;
}

// A file name from a document name: characters that cannot stand in a file
// name become "_".
std::string fileStem(const std::string& documentName)
{
    std::string stem = documentName.empty() ? "Document" : documentName;
    for (char& c : stem)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32)
            c = '_';
    return stem;
}

}  // namespace

PrinterSurface::PrinterSurface(std::filesystem::path folder)
    : m_folder(std::move(folder)), m_layout(pdfLayout()), m_dpi(kPdfDpi)
{
}

PrinterSurface::PrinterSurface(const std::string& printerName)
    : m_printer(std::make_unique<QPrinter>(QPrinterInfo::printerInfo(QString::fromStdString(printerName)),
                                           QPrinter::HighResolution))
{
    m_layout = m_printer->pageLayout();
    m_dpi = m_printer->resolution();
}

PrinterSurface::~PrinterSurface()
{
    abortDoc();
}

QPainter* PrinterSurface::painter()
{
    return m_phase == Phase::Page ? m_painter.get() : nullptr;
}

int PrinterSurface::deviceCaps(int index) const
{
    const QRect full = m_layout.fullRectPixels(m_dpi);
    const QRect printable = m_layout.paintRectPixels(m_dpi);
    const auto millimetres = [this](int pixels) { return static_cast<int>(std::lround(pixels * 25.4 / m_dpi)); };
    switch (index) {
    case gfx::TECHNOLOGY: return gfx::DT_RASPRINTER;
    case gfx::HORZSIZE: return millimetres(printable.width());
    case gfx::VERTSIZE: return millimetres(printable.height());
    case gfx::HORZRES: return printable.width();
    case gfx::VERTRES: return printable.height();
    case gfx::PHYSICALWIDTH: return full.width();
    case gfx::PHYSICALHEIGHT: return full.height();
    case gfx::PHYSICALOFFSETX: return printable.left() - full.left();
    case gfx::PHYSICALOFFSETY: return printable.top() - full.top();
    default: return gfx::detail::displayCaps(index, printable.width(), printable.height(), m_dpi, m_dpi, 24);
    }
}

void PrinterSurface::setCopies(const PrinterCopies& copies)
{
    if (!m_printer)
        return;
    m_printer->setCopyCount(std::max(copies.count, 1));
    m_printer->setCollateCopies(copies.collate);
}

PrinterCopies PrinterSurface::copies() const
{
    return m_printer ? PrinterCopies{m_printer->copyCount(), m_printer->collateCopies()} : PrinterCopies{};
}

std::string PrinterSurface::outputFile() const
{
    return m_file ? m_file->target().string() : std::string();
}

bool PrinterSurface::openDevice(const std::string& documentName, const std::string& outputFile)
{
    m_failure.reset();
    m_file.reset();  // the last job's, written or not
    if (m_printer && outputFile.empty()) {
        m_printer->setDocName(QString::fromStdString(documentName));
        m_painter = std::make_unique<QPainter>();
        return m_painter->begin(m_printer.get());
    }
    if (outputFile.empty()) {
        std::error_code error;
        std::filesystem::create_directories(m_folder, error);
        m_file = std::make_unique<PrintFile>(m_folder, fileStem(documentName));
    } else {
        m_file = std::make_unique<PrintFile>(outputFile);
    }
    if (m_file->failure()) {
        m_failure = m_file->failure();
        return false;
    }
    m_pdfBytes.setData(QByteArray());
    if (!m_pdfBytes.open(QIODevice::WriteOnly))
        return false;
    auto pdf = std::make_unique<QPdfWriter>(&m_pdfBytes);
    pdf->setResolution(m_dpi);
    pdf->setPageLayout(m_layout);
    pdf->setTitle(QString::fromStdString(documentName));
    pdf->setCreator(QStringLiteral("Brisance"));
    m_pdf = std::move(pdf);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_pdf.get()))
        return false;
    // Pictures are stored without loss: thin lines and small symbols would
    // print beaded through the JPEG that a PDF writer uses otherwise.
    m_painter->setRenderHint(QPainter::LosslessImageRendering);
    return true;
}

int PrinterSurface::startDoc(const std::string& documentName, const std::string& outputFile)
{
    if (m_phase != Phase::Idle)
        return -1;
    if (!openDevice(documentName, outputFile)) {
        if (m_painter && m_painter->isActive())
            m_painter->end();
        m_file.reset();
        forgetJob();
        return -1;
    }
    m_phase = Phase::Document;
    m_pages = 0;
    return nextJobId();
}

int PrinterSurface::startPage()
{
    if (m_phase != Phase::Document)
        return -1;
    // The device starts on its first page; later pages are added.
    if (m_pages > 0) {
        const bool added = m_pdf ? m_pdf->newPage() : m_printer->newPage();
        if (!added)
            return -1;
    }
    ++m_pages;
    m_phase = Phase::Page;
    return 1;
}

int PrinterSurface::endPage()
{
    if (m_phase != Phase::Page)
        return -1;
    m_phase = Phase::Document;
    return 1;
}

bool PrinterSurface::finish()
{
    const bool painted = m_painter->end();
    m_painter.reset();
    m_pdf.reset();
    if (!m_file)
        return painted;
    m_pdfBytes.close();
    const QByteArray& bytes = m_pdfBytes.data();
    const bool written = painted && m_file->commit({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    m_failure = m_file->failure();
    return written;
}

int PrinterSurface::endDoc()
{
    if (m_phase == Phase::Idle)
        return -1;
    const bool finished = finish();
    forgetJob();
    return finished ? 1 : -1;
}

int PrinterSurface::abortDoc()
{
    if (m_phase == Phase::Idle)
        return -1;
    if (m_printer && !m_pdf)
        m_printer->abort();
    if (m_painter && m_painter->isActive())
        m_painter->end();
    // The job's file goes with it: an aborted job leaves no file behind.
    m_file.reset();
    forgetJob();
    return 1;
}

void PrinterSurface::forgetJob()
{
    m_painter.reset();
    m_pdf.reset();
    m_pdfBytes.close();
    m_pdfBytes.setData(QByteArray());
    m_phase = Phase::Idle;
}

PrinterSurface* findPrinter(gfx::DcHandle dc)
{
    gfx::detail::Context* context = gfx::detail::findContext(dc);
    return context ? dynamic_cast<PrinterSurface*>(&context->surface()) : nullptr;
}

}  // namespace platform::print::detail

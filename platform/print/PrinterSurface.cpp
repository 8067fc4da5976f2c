#include "platform/print/PrinterSurface.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

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

std::filesystem::path freePath(const std::filesystem::path& folder, const std::string& stem)
{
    std::filesystem::path path = folder / (stem + ".pdf");
    for (int n = 2; std::filesystem::exists(path); ++n)
        path = folder / (stem + " (" + std::to_string(n) + ").pdf");
    return path;
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

bool PrinterSurface::openDevice(const std::string& documentName, const std::string& outputFile)
{
    QPaintDevice* device = m_printer.get();
    if (m_printer) {
        m_printer->setDocName(QString::fromStdString(documentName));
        m_printer->setOutputFileName(QString::fromStdString(outputFile));
        m_outputFile = outputFile;
    } else {
        std::error_code error;
        std::filesystem::create_directories(m_folder, error);
        m_outputFile = outputFile.empty() ? freePath(m_folder, fileStem(documentName)).string() : outputFile;
        auto pdf = std::make_unique<QPdfWriter>(QString::fromStdString(m_outputFile));
        pdf->setResolution(m_dpi);
        pdf->setPageLayout(m_layout);
        pdf->setTitle(QString::fromStdString(documentName));
        pdf->setCreator(QStringLiteral("Brisance"));
        device = pdf.get();
        m_pdf = std::move(pdf);
    }
    m_painter = std::make_unique<QPainter>();
    return m_painter->begin(device);
}

int PrinterSurface::startDoc(const std::string& documentName, const std::string& outputFile)
{
    if (m_phase != Phase::Idle)
        return -1;
    if (!openDevice(documentName, outputFile)) {
        abortDoc();
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

int PrinterSurface::endDoc()
{
    if (m_phase == Phase::Idle)
        return -1;
    const bool finished = m_painter->end();
    m_painter.reset();
    m_pdf.reset();
    m_phase = Phase::Idle;
    return finished ? 1 : -1;
}

int PrinterSurface::abortDoc()
{
    if (m_phase == Phase::Idle && !m_painter)
        return -1;
    if (m_printer)
        m_printer->abort();
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_pdf.reset();
    // An aborted job of the built-in printer leaves no file behind.
    if (!m_folder.empty() && !m_outputFile.empty()) {
        std::error_code error;
        std::filesystem::remove(m_outputFile, error);
    }
    m_phase = Phase::Idle;
    return 1;
}

PrinterSurface* findPrinter(gfx::DcHandle dc)
{
    gfx::detail::Context* context = gfx::detail::findContext(dc);
    return context ? dynamic_cast<PrinterSurface*>(&context->surface()) : nullptr;
}

}  // namespace platform::print::detail

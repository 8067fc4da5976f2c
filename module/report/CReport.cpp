#include "module/report/CReport.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "module/report/CPrinter.h"
#include "module/report/ReportLayout.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/system/WholeFile.h"

namespace brisance {
namespace {

namespace runtime = platform::runtime;

constexpr const char* kSource = "CReport";

template <class T>
T& required(T* object)
{
    if (!object) runtime::raise(runtime::errors::ObjectNotSet, {}, kSource);
    return *object;
}

}  // namespace

CReport::CReport() = default;
CReport::~CReport() = default;

void CReport::DataLayer(const platform::com::ComPtr<platform::com::IUnknown>& data)
{
    auto dataLayer = data.as<vellum::IVellumDataLayer>();
    if (data && !dataLayer) runtime::raise(runtime::errors::TypeMismatch, {}, kSource);
    m_dataLayer = std::move(dataLayer);
}

void CReport::PrintReport(platform::gfx::DcHandle hdc, float X, float Y, float W, float H, std::int32_t Version,
                          bool IsStandAlone, const platform::com::ComPtr<platform::com::IUnknown>& oUserPrefs)
{
    m_hdc = hdc;
    m_printer.reset();  // the last report's printer lets go of its context first
    m_printer = std::make_unique<CPrinter>();
    if (IsStandAlone)
        m_printer->Initialize(hdc);
    else
        m_printer->InitializeForIntegratedReport(hdc);
    m_userPrefs = oUserPrefs;

    try {
        const ReportArea area{X, Y, W, H};
        for (const LayoutRow& row : Layout(Version)) {
            const ReportArea section = row.place(area);
            row.painter(*this, section.X, section.Y, section.W, section.H);
        }
    } catch (...) {
        // No job may stay open and no context live behind a failed report.
        m_printer->AbortDocument();
        throw;
    }

    if (!IsStandAlone) {
        m_printer->EndDocumentForIntegratedReport();
        return;
    }
    // A report that did not reach its file whole was not printed, whatever
    // the page shows.
    if (const std::optional<platform::print::JobFailure> failure = m_printer->EndDocument())
        runtime::raise(platform::system::fileErrorNumber(failure->cause.value()),
                       languageLoader().LoadResString(TR_REPORT_FILE_NOT_WRITTEN) + " \"" + failure->file +
                           "\": " + failure->cause.message(),
                       kSource);
}

void CReport::PrintSectionTitle(float X, float Y, float /*W*/, float /*H*/)
{
    printer().SetFont("Arial", 12, true);
    printer().PrintText(languageLoader().LoadResString(TR_PURETONE), X, Y);
}

CPrinter& CReport::printer() const
{
    return required(m_printer.get());
}

const CCurvePrefs& CReport::curvePrefs() const
{
    return required(m_curvePrefs.get());
}

const CLangLoader& CReport::languageLoader() const
{
    return required(m_languageLoader.get());
}

vellum::IVellumDataLayer& CReport::dataLayer() const
{
    return required(m_dataLayer.get());
}

platform::gfx::ImageList& CReport::symbolImages() const
{
    return required(m_symbolImages.get());
}

}  // namespace brisance

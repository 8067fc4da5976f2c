// The pure-tone view's underlays (an earlier action behind the current one,
// a metafile under the grid) and the requests of its average panel.

#include "module/views/CPureTone.h"

#include "module/panels/IPTATable.h"
#include "module/views/SitedChart.h"
#include "module/views/frmAverageFrequencies.h"

#include "platform/com/Creation.h"
#include "platform/com/Failure.h"

namespace brisance {
namespace {

using platform::com::raiseOnFailure;
constexpr const char* kChartSource = "Chart";

}  // namespace

const platform::com::ComPtr<vellum::IVellumDataLayer>& CPureTone::UnderlayDataLayer()
{
    if (!m_underlayDataLayer)
        m_underlayDataLayer = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    return m_underlayDataLayer;
}

void CPureTone::RenderPureToneActionUnderlay()
{
    DrawActionUnderlay();
    for (const auto& chart : m_charts)
        raiseOnFailure(chart->chart().Refresh(), kChartSource);
}

// The back lines drawn afresh from the underlay data layer, for the charts'
// present axis and ear places; the charts are not repainted.
void CPureTone::DrawActionUnderlay()
{
    for (const auto& chart : m_charts)
        raiseOnFailure(chart->chart().ClearBackLines(), kChartSource);
    if (!m_underlayDataLayer || !m_chartsInitialized || m_underlayDataLayer->get_PureToneCurves()->get_Count() == 0)
        return;
    m_chartManager.RenderPureToneActionUnderlay(*m_underlayDataLayer, chtEar(LeftEarChart()).chart(),
                                                chtEar(RightEarChart()).chart());
}

void CPureTone::DisplayMetaFileInChart(const std::string& strFile, bool blnRenderAboveGrid)
{
    for (const auto& chart : m_charts) {
        lumenplot::IChart& shown = chart->chart();
        raiseOnFailure(shown.put_MetaFilename(strFile), kChartSource);
        raiseOnFailure(shown.put_DrawMetafileOverGrid(blnRenderAboveGrid ? lumenplot::VARIANT_TRUE
                                                                         : lumenplot::VARIANT_FALSE),
                       kChartSource);
        // A new file name alone does not repaint.
        raiseOnFailure(shown.Refresh(), kChartSource);
    }
}

void CPureTone::ConnectAveragePanel()
{
    connect(ptaPureTone, &IPTATable::HideMe, this, [this] { Guarded([this] { ptaPureTone_HideMe(); }); });
    connect(ptaPureTone, &IPTATable::ChangeFrequencies, this,
            [this] { Guarded([this] { ptaPureTone_ChangeFrequencies(); }); });
}

void CPureTone::ptaPureTone_HideMe()
{
    ShowPureToneAverage(false);
}

// The masks are part of the audiogram: a confirmed change is data to save.
void CPureTone::ptaPureTone_ChangeFrequencies()
{
    frmAverageFrequencies dialog(m_languageLoader, ptaPureTone->AverageFrequencies(vellum::kEarLeft),
                                 ptaPureTone->DoubleAverageFrequencies(vellum::kEarLeft), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FrequenciesToAverage(dialog.FrequenciesToAverage());
    FrequenciesToDblAverage(dialog.FrequenciesToDblAverage());
    m_dataNeedsSaved = true;
}

}  // namespace brisance

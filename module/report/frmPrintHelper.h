#pragma once
// The print chart form: a widget that is never shown, siting one chart that
// the report fills with a client's curves and then draws into its device
// context with the chart's RenderToDC. Its set-up methods give the chart the
// fixed axes, margins, grid lines and labels of a printed pure-tone or speech
// audiogram; each clears the grid lines of an earlier set-up first.
//
// A failed chart call raises its error to the caller.

#include "PelmTolvaneChart/IChart.h"

#include "platform/com/ComPtr.h"
#include "platform/com/ControlSite.h"

#include <QWidget>

#include <cstdint>
#include <string>

namespace brisance {

class CPureToneChartMaps;

class frmPrintHelper final : public QWidget {
public:
    // Creates the chart by its class id and sites it; raises the creation's
    // failure.
    explicit frmPrintHelper(QWidget* parent = nullptr);
    ~frmPrintHelper() override;

    // The chart, alive as long as the form.
    const platform::com::ComPtr<lumenplot::IChart>& cht() const { return m_cht; }

    // A printed pure-tone audiogram: levels -10 to 130 dB labelled every 10
    // dB, the plot ending half a step below 130 dB, frequencies labelled over
    // the chart, and one vertical grid line per entry of the frequency
    // map, in the map's order, labelled and dashed as the map says; a hidden
    // entry still gets its line, added as not visible.
    void InitPureToneChart(const CPureToneChartMaps& oChartMaps);
    // A printed speech audiogram: levels -5 to 135 dB across, scores 0 to 100
    // up the chart, each horizontal line carrying 100 - score as its grid-line
    // label and the score as its axis label, and the row of level labels.
    void InitSpeechChart();
    // Turns every line of the chart's Lines black.
    void ChangeLineColors();

private:
    void setUpPureToneAxes();
    void addXGridLine(double position, const std::string& label, bool visible, bool dashed);
    void redraw();

    platform::com::ComPtr<platform::com::ControlSite> m_site;
    platform::com::ComPtr<lumenplot::IChart> m_cht;
};

}  // namespace brisance

#pragma once
// A chart of a view: a Lumenplot chart created by class id and sited in the
// view's widget, whose events come to the view as Qt signals. The chart
// lives exactly as long as this object, which takes its events and its site
// away before it lets the chart go.
//
// The chart's plotting events carry the cross-hair's chart position: X and Y
// are grid values, or -32767 or -1 where the cross-hair stands on no grid
// line (a right click outside, for example).
//
// Never destroy a SitedChart from one of its own signals: the chart's widget
// would go inside its own event.

#include <QObject>
#include <QRect>

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the component-object layer brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "PelmTolvaneChart/IChart.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ControlSite.h"
#include "platform/com/DispatchSink.h"
#endif

#include <cstdint>

class QWidget;

namespace brisance {

class SitedChart final : public QObject {
    Q_OBJECT

public:
    // Creates the chart, sites it in container (whose background colour it
    // takes) and listens to its events.
    // Raises the creation's failure.
    explicit SitedChart(QWidget& container);
    ~SitedChart() override;
    SitedChart(const SitedChart&) = delete;
    SitedChart& operator=(const SitedChart&) = delete;

    lumenplot::IChart& chart() const { return *m_chart; }
    const platform::com::ComPtr<lumenplot::IChart>& object() const { return m_chart; }
    // The chart's own widget, placed and shown by the container.
    QWidget* widget() const;
    // Places the chart in its container, in twips.
    void Move(const QRect& twips);

signals:
    void PlotPoint(double X, double Y);
    void RightClick(double X, double Y);
    void UnPlotPoint(double X, double Y);

private:
    platform::com::ComPtr<lumenplot::IChart> m_chart;
    platform::com::ComPtr<platform::com::ControlSite> m_site;
    platform::com::ComPtr<platform::com::DispatchSink> m_sink;
    std::uint32_t m_cookie = 0;
};

}  // namespace brisance

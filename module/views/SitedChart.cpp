#include "module/views/SitedChart.h"

#include "module/panels/TwipsGeometry.h"

#include "PelmTolvaneChart/ClassIds.h"
#include "PelmTolvaneChart/IChartEvents.h"

#include "platform/com/ConnectionPoint.h"
#include "platform/com/Control.h"
#include "platform/com/Creation.h"
#include "platform/com/Failure.h"
#include "platform/com/Object.h"
#include "platform/gfx/Types.h"

#include <QWidget>

namespace brisance {
namespace {

namespace com = platform::com;
constexpr const char* kSource = "Chart";

}  // namespace

SitedChart::SitedChart(QWidget& container)
{
    const auto control = com::create<com::IControl>(lumenplot::kChartClsid);
    m_chart = control.as<lumenplot::IChart>();
    if (!m_chart)
        com::raiseOnFailure(com::E_NOINTERFACE, kSource);
    m_site = com::make<com::ControlSite>(&container);
    // The chart's surroundings take its container's colour.
    const QColor background = container.palette().color(container.backgroundRole());
    m_site->setAmbientProperty(com::DISPID_AMBIENT_BACKCOLOR,
                               com::Variant(static_cast<std::int32_t>(
                                   platform::gfx::rgb(background.red(), background.green(), background.blue()))));
    com::raiseOnFailure(m_site->attach(control.get()), kSource);

    m_sink = com::make<com::DispatchSink>(lumenplot::_IChartEvents::iid,
                                          [this](com::DISPID event, std::span<com::Variant> args) {
                                              if (args.size() < 2)
                                                  return com::S_OK;
                                              const double x = args[0].toDouble();
                                              const double y = args[1].toDouble();
                                              if (event == lumenplot::event_dispid::PlotPoint)
                                                  emit PlotPoint(x, y);
                                              else if (event == lumenplot::event_dispid::RightClick)
                                                  emit RightClick(x, y);
                                              else if (event == lumenplot::event_dispid::UnPlotPoint)
                                                  emit UnPlotPoint(x, y);
                                              return com::S_OK;
                                          });
    const com::HRESULT advised = com::advise(m_chart.get(), lumenplot::_IChartEvents::iid, m_sink.get(), &m_cookie);
    if (com::failed(advised)) {
        m_site->detach();
        com::raiseOnFailure(advised, kSource);
    }
}

SitedChart::~SitedChart()
{
    com::unadvise(m_chart.get(), lumenplot::_IChartEvents::iid, m_cookie);
    m_site->detach();
}

QWidget* SitedChart::widget() const
{
    return m_site->control() ? m_site->control()->widget() : nullptr;
}

void SitedChart::Move(const QRect& twips)
{
    if (QWidget* chartWidget = widget())
        chartWidget->setGeometry(twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
}

}  // namespace brisance

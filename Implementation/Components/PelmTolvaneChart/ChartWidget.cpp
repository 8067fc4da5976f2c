#include "ChartWidget.h"

#include "CChart.h"
#include "platform/gfx/DeviceContext.h"

#include <QPainter>

namespace lumenplot {

ChartWidget::ChartWidget(CChart& chart) : m_chart(chart)
{
    // Every pixel comes from the paint: nothing is erased beforehand.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const platform::gfx::DcHandle dc = platform::gfx::createPainterDc(painter);
    m_chart.paint(dc, width(), height());
    platform::gfx::deleteDc(dc);
}

}  // namespace lumenplot

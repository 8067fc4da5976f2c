#include "ChartWidget.h"

#include "CChart.h"
#include "ChartKeys.h"
#include "platform/gfx/DeviceContext.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <vector>

namespace lumenplot {

namespace gfx = platform::gfx;

ChartWidget::ChartWidget(CChart& chart) : m_chart(chart)
{
    // Every pixel comes from the paint: nothing is erased beforehand.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ChartWidget::paintEvent(QPaintEvent* event)
{
    std::vector<gfx::Rect> exposed;
    for (const QRect& rect : event->region()) exposed.push_back({rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
    QPainter painter(this);
    const gfx::DcHandle dc = gfx::createPainterDc(painter);
    m_chart.paintExposed(dc, width(), height(), exposed);
    gfx::deleteDc(dc);
}

void ChartWidget::resizeEvent(QResizeEvent*) { m_chart.resized(width(), height()); }

void ChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_chart.interactive()) return;
    if (!m_tracking) {
        m_tracking = true;
        setCursor(Qt::BlankCursor);
    }
    const QPoint at = event->position().toPoint();
    m_chart.mouseMoved(at.x(), at.y());
}

void ChartWidget::leaveEvent(QEvent*)
{
    m_chart.mouseLeft();
    m_tracking = false;
    unsetCursor();
}

void ChartWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) m_chart.leftButtonPressed();
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) m_chart.rightButtonReleased();
}

void ChartWidget::keyPressEvent(QKeyEvent* event)
{
    // The arrows move the cross-hair and go on to the container as well.
    if (!m_chart.keyPressed(virtualKeyOf(*event))) event->ignore();
}

void ChartWidget::focusInEvent(QFocusEvent*) { m_chart.focusGained(); }

void ChartWidget::focusOutEvent(QFocusEvent*) { m_chart.focusLost(); }

}  // namespace lumenplot

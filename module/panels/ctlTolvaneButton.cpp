#include "module/panels/ctlTolvaneButton.h"

#include "module/panels/ControlColours.h"
#include "module/panels/ControlPaint.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Text.h"

#include <QMouseEvent>

#include <utility>

namespace brisance {

namespace gfx = platform::gfx;

ctlTolvaneButton::ctlTolvaneButton(QWidget* parent) : ClickableControl(parent) {}

void ctlTolvaneButton::Caption(const std::string& caption)
{
    m_caption = caption;
    update();
}

void ctlTolvaneButton::ButtonState(Tolvane_ButtonState state)
{
    m_buttonState = state;
    update();
}

void ctlTolvaneButton::mousePressEvent(QMouseEvent* event)
{
    m_doubleClicked = false;
    raiseMouseDown(*event);
}

void ctlTolvaneButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt has delivered the second press already.
    if (event->button() != Qt::LeftButton)
        return;
    m_doubleClicked = true;
    emit DblClick();
}

void ctlTolvaneButton::mouseReleaseEvent(QMouseEvent* event)
{
    ClickableControl::mouseReleaseEvent(event);
    const bool click = event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (click && !std::exchange(m_doubleClicked, false))
        emit Click();
}

void ctlTolvaneButton::paintEvent(QPaintEvent*)
{
    ControlPaint paint(*this);
    gfx::Rect client = paint.clientRect();
    paint.fillRect(client, drawingColour(BackColor()));
    gfx::drawEdge(paint.dc(), &client, m_buttonState == Tolvane_ButtonDown ? gfx::EDGE_SUNKEN : gfx::EDGE_RAISED,
                  gfx::BF_RECT);
    gfx::setTextColor(paint.dc(), drawingColour(ForeColor()));
    gfx::drawText(paint.dc(), m_caption, &client, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

}  // namespace brisance

#include "module/panels/ControlPaint.h"

#include "module/panels/UserControl.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"

namespace brisance {

namespace gfx = platform::gfx;

ControlPaint::ControlPaint(UserControl& control)
    : m_painter(&control),
      m_dc(gfx::createPainterDc(m_painter)),
      m_client{0, 0, control.width(), control.height()}
{
    gfx::selectObject(m_dc, control.drawingFontHandle());
    gfx::setBkMode(m_dc, gfx::TRANSPARENT);
}

ControlPaint::~ControlPaint()
{
    // Deleting the context also ends the selection of the control's font.
    gfx::deleteDc(m_dc);
}

void ControlPaint::fillRect(const gfx::Rect& rect, gfx::ColorRef colour)
{
    const gfx::ObjectHandle brush = gfx::createSolidBrush(colour);
    gfx::fillRect(m_dc, rect, brush);
    gfx::deleteObject(brush);
}

}  // namespace brisance

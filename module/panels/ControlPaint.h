#pragma once
// Drawing a control inside its paint event: a gfx device context over a
// painter on the control, in pixels of its client area, with the control's
// drawing font selected and a transparent text background. Make one at the
// start of paintEvent and let it end with the event.

#include "platform/gfx/Types.h"

#include <QPainter>

namespace brisance {

class UserControl;

class ControlPaint {
public:
    explicit ControlPaint(UserControl& control);
    ~ControlPaint();
    ControlPaint(const ControlPaint&) = delete;
    ControlPaint& operator=(const ControlPaint&) = delete;

    platform::gfx::DcHandle dc() const { return m_dc; }
    // The control's whole client area, (0, 0) to its width and height.
    const platform::gfx::Rect& clientRect() const { return m_client; }
    // Fills the rectangle with a plain colour (no outline).
    void fillRect(const platform::gfx::Rect& rect, platform::gfx::ColorRef colour);

private:
    QPainter m_painter;
    platform::gfx::DcHandle m_dc;
    platform::gfx::Rect m_client;
};

}  // namespace brisance

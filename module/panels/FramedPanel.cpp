#include "module/panels/FramedPanel.h"

#include "module/panels/ControlColours.h"
#include "module/panels/ControlPaint.h"
#include "platform/gfx/Draw.h"

#include <QLabel>

namespace brisance {

namespace gfx = platform::gfx;

namespace {

constexpr int kFrameTopPixels = 5;

}  // namespace

FramedPanel::FramedPanel(QWidget* parent) : UserControl(parent), lblCaption(new QLabel(this))
{
    lblCaption->setObjectName("lblCaption");
    lblCaption->setAutoFillBackground(true);
    QPalette colours = lblCaption->palette();
    colours.setColor(QPalette::Window, qtColour(BackColor()));
    colours.setColor(QPalette::WindowText, qtColour(ForeColor()));
    lblCaption->setPalette(colours);
}

void FramedPanel::paintEvent(QPaintEvent*)
{
    ControlPaint paint(*this);
    paintFrame(paint);
}

void FramedPanel::paintFrame(ControlPaint& paint)
{
    paint.fillRect(paint.clientRect(), drawingColour(BackColor()));
    gfx::Rect frame = paint.clientRect();
    frame.top = kFrameTopPixels;
    gfx::drawEdge(paint.dc(), &frame, gfx::EDGE_ETCHED, gfx::BF_RECT);
}

}  // namespace brisance

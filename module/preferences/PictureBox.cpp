#include "module/preferences/PictureBox.h"

#include "module/panels/ControlColours.h"
#include "module/panels/TwipsGeometry.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/ui/Twips.h"

#include <QMouseEvent>

namespace brisance {

namespace gfx = platform::gfx;

PictureBox::PictureBox(QWidget* parent) : ClickableControl(parent) {}

void PictureBox::BackColor(gfx::OleColor colour)
{
    UserControl::BackColor(colour);
    Cls();
}

void PictureBox::BorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

int PictureBox::ScaleWidth() const
{
    return platform::ui::pixelsToTwipsX(clientRect().width());
}

int PictureBox::ScaleHeight() const
{
    return platform::ui::pixelsToTwipsY(clientRect().height());
}

const QImage& PictureBox::Image()
{
    return keptImage();
}

void PictureBox::Cls()
{
    keptImage().fill(qtColour(BackColor()));
    update();
}

PictureBox::Canvas::Canvas(PictureBox& picture)
    : m_picture(picture), m_painter(&picture.keptImage()), m_dc(gfx::createPainterDc(m_painter))
{
}

PictureBox::Canvas::~Canvas()
{
    gfx::deleteDc(m_dc);
    m_painter.end();
    m_picture.update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(clientRect().topLeft(), keptImage());
    if (borderWidth() > 0) {
        const gfx::DcHandle dc = gfx::createPainterDc(painter);
        gfx::Rect edge{0, 0, width(), height()};
        gfx::drawEdge(dc, &edge, gfx::EDGE_SUNKEN, gfx::BF_RECT);
        gfx::deleteDc(dc);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    raiseMouse(*event, &ClickableControl::MouseDown);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent*)
{
    emit DblClick();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    raiseMouse(*event, &ClickableControl::MouseMove);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    raiseMouse(*event, &ClickableControl::MouseUp);
}

int PictureBox::borderWidth() const
{
    return m_borderStyle == 0 ? 0 : 2;
}

QRect PictureBox::clientRect() const
{
    const int border = borderWidth();
    return rect().adjusted(border, border, -border, -border);
}

QImage& PictureBox::keptImage()
{
    const QSize size = clientRect().size().expandedTo(QSize(1, 1));
    if (m_image.size() == size)
        return m_image;
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(qtColour(BackColor()));
    if (!m_image.isNull())
        QPainter(&fitted).drawImage(0, 0, m_image);
    m_image = fitted;
    return m_image;
}

void PictureBox::raiseMouse(const QMouseEvent& event,
                            void (ClickableControl::*signal)(std::int16_t, std::int16_t, float, float))
{
    MouseArguments arguments = mouseArguments(event);
    const float border = static_cast<float>(borderWidth());
    arguments.X -= border * static_cast<float>(platform::ui::twipsPerPixelX());
    arguments.Y -= border * static_cast<float>(platform::ui::twipsPerPixelY());
    emit(this->*signal)(arguments.Button, arguments.Shift, arguments.X, arguments.Y);
}

}  // namespace brisance

#include "module/panels/UserControl.h"

#include "module/panels/ControlColours.h"
#include "module/panels/ControlFont.h"
#include "platform/gfx/Objects.h"
#include "platform/ui/Twips.h"

#include <QEvent>

namespace brisance {

namespace ui = platform::ui;

UserControl::UserControl(QWidget* parent)
    : QWidget(parent), m_backColor(kButtonFaceColour), m_foreColor(kButtonTextColour)
{
}

UserControl::~UserControl()
{
    dropDrawingFont();
}

int UserControl::Top() const
{
    return ui::pixelsToTwipsY(y());
}

void UserControl::Top(int twips)
{
    move(x(), ui::twipsToPixelsY(twips));
}

int UserControl::Left() const
{
    return ui::pixelsToTwipsX(x());
}

void UserControl::Left(int twips)
{
    move(ui::twipsToPixelsX(twips), y());
}

int UserControl::Width() const
{
    return ui::pixelsToTwipsX(width());
}

void UserControl::Width(int twips)
{
    resize(ui::twipsToPixelsX(twips), height());
}

int UserControl::Height() const
{
    return ui::pixelsToTwipsY(height());
}

void UserControl::Height(int twips)
{
    resize(width(), ui::twipsToPixelsY(twips));
}

bool UserControl::Visible() const
{
    return parentWidget() ? isVisibleTo(parentWidget()) : isVisible();
}

void UserControl::Visible(bool visible)
{
    setVisible(visible);
}

void UserControl::BackColor(platform::gfx::OleColor colour)
{
    m_backColor = colour;
    update();
}

void UserControl::ForeColor(platform::gfx::OleColor colour)
{
    m_foreColor = colour;
    update();
}

platform::gfx::ObjectHandle UserControl::drawingFontHandle()
{
    if (m_drawingFont == 0)
        m_drawingFont = platform::gfx::createFont(drawingFont(*this));
    return m_drawingFont;
}

void UserControl::changeEvent(QEvent* event)
{
    // The font is never selected outside a paint, so it can go at once.
    if (event->type() == QEvent::FontChange) {
        dropDrawingFont();
        update();
    }
    QWidget::changeEvent(event);
}

void UserControl::dropDrawingFont()
{
    if (m_drawingFont != 0)
        platform::gfx::deleteObject(m_drawingFont);
    m_drawingFont = 0;
}

}  // namespace brisance

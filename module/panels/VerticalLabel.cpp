#include "module/panels/VerticalLabel.h"

#include "module/panels/ControlColours.h"
#include "module/panels/ControlFont.h"
#include "module/panels/ControlPaint.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Objects.h"
#include "platform/gfx/Text.h"
#include "platform/runtime/Conversions.h"

#include <QCursor>
#include <QEvent>
#include <QPixmap>

#include <array>
#include <cmath>

namespace brisance {
namespace {

namespace gfx = platform::gfx;

constexpr std::int16_t kCustomPointer = 99;

// The standard pointers by number, 0 to 15.
constexpr std::array<Qt::CursorShape, 16> kPointerShapes = {
    Qt::ArrowCursor,      // 0 default
    Qt::ArrowCursor,      // 1 arrow
    Qt::CrossCursor,      // 2 cross
    Qt::IBeamCursor,      // 3 I-beam
    Qt::ArrowCursor,      // 4 icon
    Qt::SizeAllCursor,    // 5 size
    Qt::SizeBDiagCursor,  // 6 size NE-SW
    Qt::SizeVerCursor,    // 7 size N-S
    Qt::SizeFDiagCursor,  // 8 size NW-SE
    Qt::SizeHorCursor,    // 9 size W-E
    Qt::UpArrowCursor,    // 10 up arrow
    Qt::WaitCursor,       // 11 hourglass
    Qt::ForbiddenCursor,  // 12 no drop
    Qt::BusyCursor,       // 13 arrow and hourglass
    Qt::WhatsThisCursor,  // 14 arrow and question mark
    Qt::SizeAllCursor,    // 15 size all
};

// Selects the caption's turned font into a context for the life of the
// object. Nothing is selected when the font cannot be made.
class TurnedFontSelection {
public:
    TurnedFontSelection(gfx::DcHandle dc, const QWidget& label)
        : m_dc(dc), m_font(gfx::createFont(turnedCaptionFont(label)))
    {
        if (m_font) m_previous = gfx::selectObject(dc, m_font);
    }
    ~TurnedFontSelection()
    {
        if (!m_font) return;
        gfx::selectObject(m_dc, m_previous);
        gfx::deleteObject(m_font);
    }
    TurnedFontSelection(const TurnedFontSelection&) = delete;
    TurnedFontSelection& operator=(const TurnedFontSelection&) = delete;

    explicit operator bool() const { return m_font != 0; }

private:
    gfx::DcHandle m_dc;
    gfx::ObjectHandle m_font;
    gfx::ObjectHandle m_previous = 0;
};

}  // namespace

gfx::FontDescription turnedCaptionFont(const QWidget& label)
{
    constexpr double kCellHeightPerPoint = 1.75;
    const QFont& font = label.font();
    gfx::FontDescription description;
    description.face = font.family().toStdString();
    description.height = static_cast<int>(platform::runtime::roundHalfEven(fontPointSize(label) * kCellHeightPerPoint));
    description.width = 0;
    description.escapement = 900;
    description.orientation = 0;
    description.weight = font.bold() ? gfx::FW_BOLD : gfx::FW_NORMAL;
    description.italic = font.italic();
    description.underline = font.underline();
    description.strikeOut = font.strikeOut();
    description.charSet = 0;
    description.quality = 2;  // proof quality
    description.pitchAndFamily = 0;
    return description;
}

VerticalLabel::VerticalLabel(QWidget* parent)
    : UserControl(parent), m_backColor(kButtonFaceColour), m_foreColor(kButtonTextColour)
{
}

void VerticalLabel::DrawAngledText()
{
    update();
}

void VerticalLabel::Appearance(std::int16_t value)
{
    m_appearance = value;
    update();
}

void VerticalLabel::BackColor(gfx::OleColor value)
{
    m_backColor = value;
    update();
}

void VerticalLabel::BackStyle(std::int16_t value)
{
    m_backStyle = value;
}

void VerticalLabel::Enabled(bool value)
{
    setEnabled(value);
}

void VerticalLabel::Font(const QFont& value)
{
    setFont(value);  // repaints through the font change
}

void VerticalLabel::ForeColor(gfx::OleColor value)
{
    m_foreColor = value;
    update();
}

void VerticalLabel::MouseIcon(platform::com::ComPtr<platform::com::IPicture> value)
{
    m_mouseIcon = std::move(value);
    updateCursor();
}

void VerticalLabel::MousePointer(std::int16_t value)
{
    m_mousePointer = value;
    updateCursor();
}

void VerticalLabel::Autosize(bool value)
{
    m_autosize = value;
    // Measured now rather than at the last paint: a label switched to
    // Autosize before it was ever painted would otherwise shrink to nothing
    // and never paint again.
    const gfx::DcHandle dc = gfx::createScreenDc();
    if (TurnedFontSelection font(dc, *this); font) measureCaption(dc);
    gfx::deleteDc(dc);
    fitToText();
    update();
}

void VerticalLabel::Caption(std::string value)
{
    m_caption = std::move(value);
    update();
}

void VerticalLabel::Alignment(std::int32_t value)
{
    m_alignment = value;
    update();
}

void VerticalLabel::paintEvent(QPaintEvent*)
{
    ControlPaint paint(*this);
    if (m_backStyle != 0) paint.fillRect(paint.clientRect(), drawingColour(m_backColor));

    TurnedFontSelection font(paint.dc(), *this);
    if (!font) return;
    measureCaption(paint.dc());
    if (m_autosize) fitToText();

    int y = height();
    if (m_alignment == AlignTop)
        y = m_textWidth;
    else if (m_alignment == AlignCentre)
        y = height() - (height() - m_textWidth) / 2;
    gfx::setTextColor(paint.dc(), drawingColour(m_foreColor));
    gfx::textOut(paint.dc(), 0, y, m_caption);
}

void VerticalLabel::resizeEvent(QResizeEvent*)
{
    if (m_autosize) fitToText();
}

void VerticalLabel::changeEvent(QEvent* event)
{
    // Enabling or disabling changes nothing that the label draws.
    if (event->type() == QEvent::EnabledChange) return;
    UserControl::changeEvent(event);
}

void VerticalLabel::measureCaption(gfx::DcHandle dc)
{
    gfx::Size extent;
    if (!gfx::getTextExtentPoint(dc, m_caption, &extent)) return;
    m_textWidth = extent.cx;
    m_textHeight = extent.cy;
}

// The turned text is as wide as one line is high, and as high as the line is long.
void VerticalLabel::fitToText()
{
    resize(m_textHeight, m_textWidth);
}

void VerticalLabel::updateCursor()
{
    if (m_mousePointer == kCustomPointer && m_mouseIcon)
        setCursor(QCursor(QPixmap::fromImage(m_mouseIcon->image())));
    else if (m_mousePointer > 0 && m_mousePointer < static_cast<std::int16_t>(kPointerShapes.size()))
        setCursor(kPointerShapes[static_cast<std::size_t>(m_mousePointer)]);
    else
        unsetCursor();
}

}  // namespace brisance

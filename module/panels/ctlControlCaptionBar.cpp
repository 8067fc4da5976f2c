#include "module/panels/ctlControlCaptionBar.h"

#include "module/panels/ControlColours.h"
#include "module/panels/ControlPaint.h"
#include "module/panels/TwipsGeometry.h"
#include "platform/gfx/Draw.h"
#include "platform/ui/Twips.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
namespace ui = platform::ui;

constexpr int kBarHeightTwips = 300;
// The close mark's left edge stands this far left of the bar's right edge.
constexpr int kCloseOffsetTwips = 240;
constexpr int kCloseWidthTwips = 180;
constexpr int kCloseTopTwips = 30;
constexpr int kCloseHeightTwips = 240;
constexpr int kCaptionLeftTwips = 60;
constexpr int kCaptionTopTwips = 45;
constexpr int kCaptionHeightTwips = 210;

}  // namespace

ctlControlCaptionBar::ctlControlCaptionBar(QWidget* parent)
    : UserControl(parent), lblCaption(new QLabel("Caption", this)), lblClose(new QLabel("X", this))
{
    QFont tahoma = font();
    tahoma.setFamily("Tahoma");
    setFont(tahoma);

    lblCaption->setObjectName("lblCaption");
    lblClose->setObjectName("lblClose");
    QFont system("System");
    system.setBold(true);
    lblClose->setFont(system);
    for (QLabel* label : {lblCaption, lblClose}) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, qtColour(kButtonTextColour));
        label->setPalette(colours);
    }
    watchContainer();
}

std::string ctlControlCaptionBar::Caption() const
{
    return lblCaption->text().toStdString();
}

void ctlControlCaptionBar::Caption(const std::string& value)
{
    lblCaption->setText(QString::fromStdString(value));
}

void ctlControlCaptionBar::paintEvent(QPaintEvent*)
{
    ControlPaint paint(*this);
    paint.fillRect(paint.clientRect(), drawingColour(kButtonFaceColour));
    gfx::Rect frame = paint.clientRect();
    gfx::drawEdge(paint.dc(), &frame, gfx::EDGE_ETCHED, gfx::BF_LEFT | gfx::BF_TOP | gfx::BF_RIGHT);
    // The bottom line stops short of the side lines.
    frame.left += 1;
    frame.right -= 1;
    gfx::drawEdge(paint.dc(), &frame, gfx::EDGE_ETCHED, gfx::BF_BOTTOM);
}

void ctlControlCaptionBar::resizeEvent(QResizeEvent*)
{
    const int closeLeft = Width() - kCloseOffsetTwips;
    lblClose->setGeometry(twipsRect(closeLeft, kCloseTopTwips, kCloseWidthTwips, kCloseHeightTwips));
    lblCaption->setGeometry(
        twipsRect(kCaptionLeftTwips, kCaptionTopTwips, std::max(0, closeLeft - 2 * kCaptionLeftTwips), kCaptionHeightTwips));
    // The height set here comes back as a resize to the same height, which
    // changes nothing more.
    const int barHeight = ui::twipsToPixelsY(kBarHeightTwips);
    if (height() != barHeight) resize(width(), barHeight);
    move(0, 0);
}

void ctlControlCaptionBar::showEvent(QShowEvent*)
{
    move(0, 0);
}

bool ctlControlCaptionBar::event(QEvent* event)
{
    if (event->type() == QEvent::ParentAboutToChange && parentWidget())
        parentWidget()->removeEventFilter(this);
    else if (event->type() == QEvent::ParentChange)
        watchContainer();
    return UserControl::event(event);
}

bool ctlControlCaptionBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) move(0, 0);
    return UserControl::eventFilter(watched, event);
}

void ctlControlCaptionBar::watchContainer()
{
    if (parentWidget()) parentWidget()->installEventFilter(this);
}

}  // namespace brisance

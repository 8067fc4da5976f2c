#include "module/panels/PaletteButton.h"

#include "module/panels/ControlColours.h"
#include "module/panels/ControlPaint.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Text.h"

#include <QMouseEvent>

namespace brisance {

namespace gfx = platform::gfx;
namespace runtime = platform::runtime;

namespace {

// Where the side images stand: 5 pixels in from the left, 21 from the right
// (a 16-pixel symbol and its margin), 3 down.
constexpr int kLeftImageX = 5;
constexpr int kRightImageFromRight = 21;
constexpr int kImageY = 3;
// The pressed half's square keeps this distance from the top, bottom and end.
constexpr int kSquareInset = 3;

}  // namespace

PaletteButton::PaletteButton(QWidget* parent) : ClickableControl(parent), m_state(std::make_shared<CTolvButton>())
{
    m_state->Parent(this);
}

PaletteButton::~PaletteButton()
{
    ReleaseContainedObject();
}

const CTolvButton& PaletteButton::state() const
{
    static const CTolvButton released;
    return m_state ? *m_state : released;
}

platform::com::ComPtr<gfx::ImageList> PaletteButton::ImageList() const
{
    return state().ImageList();
}

void PaletteButton::ImageList(const platform::com::ComPtr<platform::com::IUnknown>& object)
{
    if (m_state)
        m_state->ImageList(object);
}

bool PaletteButton::AlwaysActAsOneButton() const
{
    return state().AlwaysActAsOneButton();
}

void PaletteButton::AlwaysActAsOneButton(bool value)
{
    if (m_state)
        m_state->AlwaysActAsOneButton(value);
}

std::int32_t PaletteButton::LeftImageIndex() const
{
    return state().LeftImageIndex();
}

void PaletteButton::LeftImageIndex(std::int32_t index)
{
    if (m_state)
        m_state->LeftImageIndex(index);
}

std::int32_t PaletteButton::RightImageIndex() const
{
    return state().RightImageIndex();
}

void PaletteButton::RightImageIndex(std::int32_t index)
{
    if (m_state)
        m_state->RightImageIndex(index);
}

bool PaletteButton::HiddenState() const
{
    return state().HiddenState();
}

void PaletteButton::HiddenState(bool hidden)
{
    if (m_state)
        m_state->HiddenState(hidden);
}

bool PaletteButton::LeftIsDown() const
{
    return state().LeftIsDown();
}

bool PaletteButton::DualSideMode() const
{
    return state().DualSideMode();
}

void PaletteButton::DualSideMode(bool dualSideMode)
{
    if (m_state)
        m_state->DualSideMode(dualSideMode);
}

runtime::Variant PaletteButton::ItemData() const
{
    return state().ItemData();
}

void PaletteButton::ItemData(const runtime::Variant& data)
{
    if (m_state)
        m_state->ItemData(data);
}

std::string PaletteButton::Caption() const
{
    return state().Caption();
}

void PaletteButton::Caption(const std::string& caption)
{
    if (m_state)
        m_state->Caption(caption);
}

Tolvane_ButtonState PaletteButton::ButtonState() const
{
    return state().ButtonState();
}

void PaletteButton::ButtonState(Tolvane_ButtonState buttonState)
{
    if (m_state)
        m_state->ButtonState(buttonState);
}

void PaletteButton::ReleaseContainedObject()
{
    if (m_state)
        m_state->Parent(nullptr);
    m_state.reset();
    update();
}

void PaletteButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        raiseMouseDown(*event);
        return;
    }
    if (!m_state)
        return;
    const bool leftHalf = event->position().x() <= width() / 2.0;
    if (m_state->ButtonState() == Tolvane_ButtonDown && m_state->LeftIsDown() == leftHalf)
        return;
    m_state->ButtonState(Tolvane_ButtonDown);
    m_state->LeftIsDown(leftHalf);
    emit Click();
}

void PaletteButton::paintEvent(QPaintEvent*)
{
    ControlPaint paint(*this);
    gfx::Rect client = paint.clientRect();
    paint.fillRect(client, drawingColour(BackColor()));
    if (!m_state)
        return;
    const CTolvButton& shown = *m_state;
    const bool down = shown.ButtonState() == Tolvane_ButtonDown;
    const bool twoSided = shown.DualSideMode() && !shown.AlwaysActAsOneButton();

    // Pressed as a whole: sunken. Pressed on one half: raised, with the half's square sunken.
    gfx::drawEdge(paint.dc(), &client, down && !twoSided ? gfx::EDGE_SUNKEN : gfx::EDGE_RAISED, gfx::BF_RECT);
    if (down && twoSided) {
        const int side = client.height() - 2 * kSquareInset;
        const int left = shown.LeftIsDown() ? kSquareInset : client.width() - kSquareInset - side;
        gfx::Rect square{left, kSquareInset, left + side, kSquareInset + side};
        paint.fillRect(square, gfx::rgb(255, 255, 255));
        gfx::drawEdge(paint.dc(), &square, gfx::EDGE_SUNKEN, gfx::BF_RECT);
    }

    if (const auto& images = shown.ImageList()) {
        if (shown.LeftImageIndex() >= 1)
            images->draw(shown.LeftImageIndex(), paint.dc(), kLeftImageX, kImageY, gfx::ILD_TRANSPARENT);
        if (shown.RightImageIndex() >= 1)
            images->draw(shown.RightImageIndex(), paint.dc(), client.width() - kRightImageFromRight, kImageY,
                         gfx::ILD_TRANSPARENT);
    }

    gfx::setTextColor(paint.dc(), drawingColour(shown.HiddenState() ? kGrayTextColour : ForeColor()));
    gfx::drawText(paint.dc(), " " + shown.Caption() + " ", &client, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

}  // namespace brisance

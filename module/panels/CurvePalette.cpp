#include "module/panels/CurvePalette.h"

#include "module/panels/ControlColours.h"
#include "module/panels/ControlPaint.h"
#include "module/panels/PaletteButton.h"
#include "module/panels/PopupMenu.h"
#include "platform/gfx/Draw.h"
#include "platform/ui/Twips.h"

#include <QFontMetrics>
#include <QPushButton>

#include <algorithm>

namespace brisance {

namespace gfx = platform::gfx;
namespace ui = platform::ui;
using platform::runtime::Variant;

namespace {

// Layout, in pixels: the buttons keep this distance from the etched edge and
// from each other. A button is one symbol and its margins high, and at least
// wide enough for its two symbols round its caption.
constexpr int kMargin = 4;
constexpr int kGap = 2;
constexpr int kButtonHeight = 24;
constexpr int kMinButtonWidth = 100;
constexpr int kSymbolsWidth = 2 * 21;
constexpr int kAddTestTextMargin = 16;

const QString kTestNamePlaceholder = QStringLiteral("%TESTNAME%");
const Variant kNoTest{std::int16_t(-1)};

}  // namespace

CurvePalette::CurvePalette(QWidget* parent) : UserControl(parent), cmdAddTest(new QPushButton(this))
{
    cmdAddTest->setObjectName("cmdAddTest");
    connect(cmdAddTest, &QPushButton::clicked, this, &CurvePalette::AddTest);
    loadButton()->Visible(false);
}

std::shared_ptr<CTolvButton> CurvePalette::Button(std::int32_t ID) const
{
    for (PaletteButton* button : loadedButtons())
        if (button->InternalObject()->ItemDataEquals(Variant(ID)))
            return button->InternalObject();
    return nullptr;
}

void CurvePalette::AddButtonCaption(const std::string& caption)
{
    cmdAddTest->setText(QString::fromStdString(caption));
    UserControl_Resize();
}

void CurvePalette::HideCurveCaption(const std::string& caption)
{
    m_hideCurveCaption = QString::fromStdString(caption);
}

void CurvePalette::ShowCurveCaption(const std::string& caption)
{
    m_showCurveCaption = QString::fromStdString(caption);
}

void CurvePalette::RemoveTestCaption(const std::string& caption)
{
    m_removeTestCaption = QString::fromStdString(caption);
}

void CurvePalette::EditTestCaption(const std::string& caption)
{
    m_editTestCaption = QString::fromStdString(caption);
}

void CurvePalette::ShowSides(bool show)
{
    m_showSides = show;
    for (PaletteButton* button : butPal)
        button->DualSideMode(show);
}

void CurvePalette::ShowAddTestButton(bool show)
{
    m_showAddTestButton = show;
    cmdAddTest->setVisible(show);
    UserControl_Resize();
}

void CurvePalette::ClearButtons()
{
    for (auto element = butPal.begin() + 1; element != butPal.end(); ++element) {
        PaletteButton* button = *element;
        button->ReleaseContainedObject();
        // The button may be the one whose click led here: it goes once its event is over.
        button->disconnect(this);
        button->hide();
        button->deleteLater();
    }
    butPal.resize(1);

    // The first button is kept, as a new one: a later PressButton finds no stale test on it.
    PaletteButton& first = *butPal[0];
    first.Visible(false);
    first.ItemData(kNoTest);
    first.ButtonState(Tolvane_ButtonUp);
    first.Caption("");
    first.LeftImageIndex(0);
    first.RightImageIndex(0);
    first.HiddenState(false);
    first.AlwaysActAsOneButton(false);

    m_selectedButton.reset();
    m_rightClickedButton.reset();
    m_firstButtonFree = -1;
    Refresh();
}

PaletteButton* CurvePalette::AddButton()
{
    PaletteButton* button = m_firstButtonFree == -1 ? butPal[0] : loadButton();
    m_firstButtonFree = 0;
    button->Visible(true);
    button->DualSideMode(m_showSides);
    if (m_imageList)
        button->ImageList(m_imageList);
    UserControl_Resize();
    return button;
}

void CurvePalette::PressButton()
{
    PaletteButton& first = *butPal[0];
    if (first.InternalObject()->ItemDataEquals(kNoTest))
        return;
    first.ButtonState(Tolvane_ButtonDown);
    first.Refresh();
    select(first);
}

void CurvePalette::PressButton(const Variant& ButtonItemData)
{
    for (PaletteButton* button : loadedButtons()) {
        if (button->InternalObject()->ItemDataEquals(ButtonItemData)) {
            button->ButtonState(Tolvane_ButtonDown);
            select(*button);
            return;
        }
    }
}

void CurvePalette::Refresh()
{
    UserControl_Resize();
    update();
}

std::int32_t CurvePalette::HeightNeeded(std::int32_t width) const
{
    const int columns = grid(ui::twipsToPixelsX(width)).columns;
    const int rows = (cellCount() + columns - 1) / columns;
    const int height = 2 * kMargin + rows * kButtonHeight + std::max(rows - 1, 0) * kGap;
    return ui::pixelsToTwipsY(height);
}

void CurvePalette::paintEvent(QPaintEvent*)
{
    ControlPaint paint(*this);
    paint.fillRect(paint.clientRect(), drawingColour(BackColor()));
    gfx::Rect edge = paint.clientRect();
    gfx::drawEdge(paint.dc(), &edge, gfx::EDGE_ETCHED, gfx::BF_RECT);
}

void CurvePalette::resizeEvent(QResizeEvent*)
{
    UserControl_Resize();
}

std::vector<PaletteButton*> CurvePalette::loadedButtons() const
{
    if (m_firstButtonFree == -1)
        return {};
    return butPal;
}

PaletteButton* CurvePalette::loadButton()
{
    auto* button = new PaletteButton(this);
    button->setObjectName("butPal");
    connect(button, &PaletteButton::Click, this, [this, button] { butPal_Click(*button); });
    connect(button, &PaletteButton::MouseDown, this,
            [this, button](std::int16_t Button, std::int16_t, float, float) { butPal_MouseDown(*button, Button); });
    butPal.push_back(button);
    return button;
}

void CurvePalette::select(PaletteButton& button)
{
    m_selectedButton = button.InternalObject();
    emit ButtonChange();
}

void CurvePalette::butPal_Click(PaletteButton& clicked)
{
    // The clicked button keeps the half its click pressed.
    for (PaletteButton* button : butPal)
        if (button != &clicked)
            button->ButtonState(Tolvane_ButtonUp);
    select(clicked);
}

void CurvePalette::butPal_MouseDown(PaletteButton& pressed, std::int16_t mouseButton)
{
    if (mouseButton != 2)
        return;
    m_rightClickedButton = pressed.InternalObject();
    const QString testName = QString::fromStdString(pressed.Caption());
    std::vector<PopupMenuItem> items;
    QString shownItem;
    if (pressed.HiddenState()) {
        m_showCurveCaption = QString::fromStdString(m_showButtonBaseText).replace(kTestNamePlaceholder, testName);
        shownItem = "mnuShowCurve";
        items.push_back({shownItem, m_showCurveCaption, [this] { raiseMenuEvent(&CurvePalette::ShowCurve); }});
    } else {
        m_hideCurveCaption = QString::fromStdString(m_hideButtonBaseText).replace(kTestNamePlaceholder, testName);
        shownItem = "mnuHideCurve";
        items.push_back({shownItem, m_hideCurveCaption, [this] { raiseMenuEvent(&CurvePalette::HideCurve); }});
    }
    items.push_back({"mnuRemoveTest", m_removeTestCaption, [this] { raiseMenuEvent(&CurvePalette::RemoveButton); }});
    items.push_back(
        {"mnuEditTestProperties", m_editTestCaption, [this] { raiseMenuEvent(&CurvePalette::TestProperties); }});
    popupMenu(*this, items, shownItem);
}

void CurvePalette::raiseMenuEvent(void (CurvePalette::*event)())
{
    if (m_rightClickedButton)
        (this->*event)();
}

void CurvePalette::UserControl_Resize()
{
    const Grid layout = grid(width());
    int cell = 0;
    const auto place = [&](QWidget& widget) {
        const int row = cell / layout.columns;
        const int column = cell % layout.columns;
        widget.setGeometry(kMargin + column * (layout.buttonWidth + kGap), kMargin + row * (kButtonHeight + kGap),
                           layout.buttonWidth, kButtonHeight);
        ++cell;
    };
    for (PaletteButton* button : loadedButtons())
        place(*button);
    if (m_showAddTestButton)
        place(*cmdAddTest);
}

CurvePalette::Grid CurvePalette::grid(int widthPixels) const
{
    int buttonWidth = kMinButtonWidth;
    for (PaletteButton* button : loadedButtons()) {
        const QString shown = " " + QString::fromStdString(button->Caption()) + " ";
        buttonWidth = std::max(buttonWidth, QFontMetrics(button->font()).horizontalAdvance(shown) + kSymbolsWidth);
    }
    if (m_showAddTestButton)
        buttonWidth = std::max(buttonWidth, cmdAddTest->fontMetrics().horizontalAdvance(cmdAddTest->text())
                                                + kAddTestTextMargin);
    // As many columns as fit, at least one; the buttons share the width out,
    // so that they fill it and a single column never stands out of it.
    const int inner = std::max(widthPixels - 2 * kMargin, 0);
    const int columns = std::max((inner + kGap) / (buttonWidth + kGap), 1);
    return {columns, (inner - (columns - 1) * kGap) / columns};
}

int CurvePalette::cellCount() const
{
    return static_cast<int>(loadedButtons().size()) + (m_showAddTestButton ? 1 : 0);
}

}  // namespace brisance

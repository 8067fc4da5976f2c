// The document's layout, its keys and the states of its commands.

#include "module/document/docAudiogramModule.h"

#include "module/document/MenuArrayFill.h"
#include "module/document/DocumentLayout.h"
#include "module/document/FlatScrollBar.h"
#include "module/document/ImageCombo.h"
#include "module/document/KeyedStatusBar.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/panels/IPTATable.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/ui/Twips.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace brisance {

namespace {

using platform::ui::pixelsToTwipsX;
using platform::ui::pixelsToTwipsY;
using platform::ui::twipsToPixelsX;
using platform::ui::twipsToPixelsY;

// The band above the tab strip that holds the profile box, and the strip's
// margins, in twips.
constexpr int kTabStripTop = 400;
constexpr int kTabStripLeft = 60;
constexpr int kTabStripSideMargins = 120;
constexpr int kTabStripBottomMargin = 25;
constexpr int kProfileBoxWidth = 3600;

constexpr std::int32_t kLeftEar = 3;
constexpr std::int32_t kRightEar = 2;

// A geometry in twips for a widget of the document's inner area.
void PlaceInTwips(QWidget& widget, int left, int top, int width, int height)
{
    widget.setGeometry(twipsToPixelsX(left), twipsToPixelsY(top), std::max(0, twipsToPixelsX(width)),
                       std::max(0, twipsToPixelsY(height)));
}

}  // namespace

template <class Visit>
decltype(auto) docAudiogramModule::OnView(const std::string& key, Visit visit) const
{
    if (key == "SPEECH")
        return visit(*m_oSpeech);
    if (key == "IMPEDANCE")
        return visit(*m_oImpedance);
    return visit(*m_oPureTone);
}

UserControl& docAudiogramModule::ShownView() const
{
    return OnView(m_tabMain->SelectedKey(), [](UserControl& view) -> UserControl& { return view; });
}

void docAudiogramModule::resizeEvent(QResizeEvent*)
{
    const int toolbarHeight = m_tbrMain->sizeHint().height();
    m_tbrMain->setGeometry(0, 0, width(), toolbarHeight);
    m_inner->setGeometry(0, toolbarHeight, width(), std::max(0, height() - toolbarHeight));
    m_sbrMain->setGeometry(0, std::max(0, m_inner->height() - m_sbrMain->height()), m_inner->width(),
                           m_sbrMain->height());
    Guarded([this] { Resize(); });
}

void docAudiogramModule::Resize()
{
    const int innerWidth = pixelsToTwipsX(m_inner->width());
    const int innerHeight = pixelsToTwipsY(m_inner->height());
    m_tabMain->Top(kTabStripTop);
    m_tabMain->Left(kTabStripLeft);
    m_tabMain->Width(innerWidth - kTabStripSideMargins);
    m_tabMain->Height(innerHeight - m_tabMain->Top() - m_sbrMain->Height() - kTabStripBottomMargin);
    m_picViewPort->move(twipsToPixelsX(m_tabMain->ClientLeft()), twipsToPixelsY(m_tabMain->ClientTop()));

    const int boxHeight = m_imcProfiles->sizeHint().height();
    m_imcProfiles->setGeometry(twipsToPixelsX(kTabStripLeft), std::max(0, (twipsToPixelsY(kTabStripTop) - boxHeight) / 2),
                               twipsToPixelsX(kProfileBoxWidth), boxHeight);
    int right = m_inner->width();
    for (auto it = m_cmdTemp.rbegin(); it != m_cmdTemp.rend(); ++it) {
        const int side = twipsToPixelsY(kTabStripTop) - 4;
        right -= side + 2;
        (*it)->setGeometry(right, 2, side, side);
    }
    LayoutPanels();
}

void docAudiogramModule::LayoutPanels()
{
    if (!m_shown)
        return;
    UserControl& view = ShownView();
    const std::string key = m_tabMain->SelectedKey();

    m_fsbHortizontal->Value(0);
    m_fsbVertical->Value(0);
    view.Visible(false);
    // The pure-tone charts take their size from the port's height as well.
    m_oPureTone->PortHeight(m_tabMain->ClientHeight());

    const PanelLayout layout = brisance::LayoutPanels(PanelLayoutInput{
        .clientWidth = m_tabMain->ClientWidth(),
        .clientHeight = m_tabMain->ClientHeight(),
        .widthNeeded = [&](int available) { return OnView(key, [&](auto& v) { return v.WidthNeeded(available); }); },
        .heightNeeded = OnView(key, [](auto& v) { return v.HeightNeeded(); }),
        .horizontalBarHeight = pixelsToTwipsY(m_fsbHortizontal->sizeHint().height()),
        .verticalBarWidth = pixelsToTwipsX(m_fsbVertical->sizeHint().width()),
    });

    const int portLeft = pixelsToTwipsX(m_picViewPort->x());
    const int portTop = pixelsToTwipsY(m_picViewPort->y());
    PlaceInTwips(*m_picViewPort, portLeft, portTop, layout.portWidth, layout.portHeight);
    view.Width(layout.viewWidth);
    view.Height(layout.viewHeight);

    const auto applyBar = [](FlatScrollBar& bar, const ScrollBarSettings& settings) {
        if (settings.needed) {
            bar.Max(settings.max);
            bar.LargeChange(settings.largeChange);
            bar.SmallChange(settings.smallChange);
        }
        bar.setVisible(settings.needed);
    };
    applyBar(*m_fsbHortizontal, layout.horizontal);
    applyBar(*m_fsbVertical, layout.vertical);
    if (layout.vertical.needed)
        PlaceInTwips(*m_fsbVertical, portLeft + layout.portWidth, portTop,
                     pixelsToTwipsX(m_fsbVertical->sizeHint().width()), layout.portHeight);
    if (layout.horizontal.needed)
        PlaceInTwips(*m_fsbHortizontal, portLeft, portTop + layout.portHeight, layout.portWidth,
                     pixelsToTwipsY(m_fsbHortizontal->sizeHint().height()));
    view.Visible(true);
}

void docAudiogramModule::ScrollViewVertically(std::int16_t value)
{
    UserControl& view = ShownView();
    view.Top(-value);
    view.Height(OnView(m_tabMain->SelectedKey(), [](auto& v) { return v.HeightNeeded(); }));
}

void docAudiogramModule::ScrollViewHorizontally(std::int16_t value)
{
    ShownView().Left(-value);
}

bool docAudiogramModule::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && m_frame.parent && watched == m_frame.parent)
        setGeometry(m_frame.parent->rect());
    // A read-only document's views are disabled and take no press: the view
    // port answers a press anywhere over them, once.
    if (event->type() == QEvent::MouseButtonPress && m_mode == kModeReadOnly && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == m_picViewPort || m_picViewPort->isAncestorOf(widget)) {
            Guarded([this] { picViewPort_MouseDown(); });
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == this || isAncestorOf(widget)) {
            bool swallowed = false;
            Guarded([&] { swallowed = KeyDown(static_cast<const QKeyEvent&>(*event)); });
            if (swallowed)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool docAudiogramModule::KeyDown(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers shift = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    if (shift.testFlag(Qt::ControlModifier)) {
        const bool ctrlOrCtrlShift = shift == Qt::ControlModifier || shift == (Qt::ControlModifier | Qt::ShiftModifier);
        if (ctrlOrCtrlShift && (key == Qt::Key_F6 || key == Qt::Key_Tab || key == Qt::Key_Backtab))
            return true;
        if (shift == Qt::ControlModifier && key == Qt::Key_F4)
            return true;
    }
    if (key == Qt::Key_F1) {
        ShowHelpTopics();
        return true;
    }
    if (shift == (Qt::ControlModifier | Qt::AltModifier) && key == Qt::Key_M) {
        for (QPushButton* button : m_cmdTemp)
            button->setVisible(true);
        return true;
    }
    return false;
}

void docAudiogramModule::tabMain_Click()
{
    UpdateCommandStates();
    LayoutPanels();
}

void docAudiogramModule::UpdateCommandStates()
{
    const std::string tab = m_tabMain->SelectedKey();
    const bool undoable = m_intUndoTab == m_tabMain->SelectedIndex();
    m_menus.mnuEditUndo->setEnabled(undoable);
    m_tbrMain->Enabled("Undo", undoable);

    if (tab == "PURETONE") {
        m_oPureTone->ShowDataInDataLayer();
    } else if (tab == "SPEECH") {
        m_menus.mnuEditUndo->setEnabled(false);
        m_tbrMain->Enabled("Undo", false);
        IPTATable& from = *m_oPureTone->PureToneAverage();
        IPTATable& to = *m_oSpeech->PureToneAverage();
        to.ACLeftAverage(from.ACLeftAverage());
        to.ACRightAverage(from.ACRightAverage());
        to.BCLeftAverage(from.BCLeftAverage());
        to.BCRightAverage(from.BCRightAverage());
        to.SFAverage(from.SFAverage());
        to.AverageFrequencies(kLeftEar, from.AverageFrequencies(kLeftEar));
        to.AverageFrequencies(kRightEar, from.AverageFrequencies(kRightEar));
    } else if (tab == "IMPEDANCE") {
        m_oImpedance->ShowDataInDataLayer();
    }

    m_oPureTone->Visible(tab == "PURETONE");
    m_oSpeech->Visible(tab == "SPEECH");
    m_oImpedance->Visible(tab == "IMPEDANCE");

    const bool pureTone = tab == "PURETONE";
    const bool zoomable = pureTone && m_oPureTone->Mode() == 1;
    for (const char* key : {"ZoomLeft", "ZoomRight", "ZoomNormal"})
        m_tbrMain->Enabled(key, zoomable);
    for (const char* key : {"SingleGraph", "DualGraph"})
        m_tbrMain->Enabled(key, pureTone);
    for (const char* key : {"AddRemoveTest", "TestConditions"})
        m_tbrMain->Enabled(key, pureTone || tab == "SPEECH");

    m_oSpeech->LoadStrings();
    UpdateViewMenus();
}

void docAudiogramModule::UpdateViewMenus()
{
    DocumentMenus& m = m_menus;
    const std::string tab = m_tabMain->SelectedKey();
    const bool pureTone = tab == "PURETONE";
    const bool speech = tab == "SPEECH";
    const bool speechChart = speech && m_oSpeech->Mode() == 1;

    m.mnuViewAverage->setEnabled(true);
    m.mnuViewTableViewer->setEnabled(true);
    for (QAction* item : {m.mnuViewIpsi, m.mnuViewContra, m.mnuViewTymp})
        item->setVisible(false);

    if (pureTone) {
        m.mnuViewAverage->setVisible(true);
        m.mnuViewTableViewer->setVisible(true);
        m.mnuViewNotes->setChecked(m_oPureTone->ShowNotes());
        m.mnuViewAverage->setChecked(m_oPureTone->ShowPureToneAverage());
        m.mnuViewTableViewer->setChecked(m_oPureTone->ShowTestDataTable());
        FillMenuArray(*m.mnuShowHideTest, *m_oPureTone->PaletteItems());
    } else if (speech) {
        m.mnuViewAverage->setVisible(true);
        m.mnuViewTableViewer->setVisible(true);
        m.mnuViewNotes->setChecked(m_oSpeech->ShowNotes());
        m.mnuViewAverage->setChecked(m_oSpeech->ShowPureToneAverage());
        m.mnuViewTableViewer->setChecked(m_oSpeech->ShowGraphTable());
        m.mnuViewTableViewer->setEnabled(speechChart);
        if (speechChart)
            FillMenuArray(*m.mnuShowHideTest, *m_oSpeech->PaletteItems());
    } else if (tab == "IMPEDANCE") {
        m.mnuViewAverage->setVisible(false);
        m.mnuViewTableViewer->setVisible(false);
        for (QAction* item : {m.mnuViewIpsi, m.mnuViewContra, m.mnuViewTymp})
            item->setVisible(true);
        m.mnuViewNotes->setChecked(m_oImpedance->ShowNotes());
        m.mnuViewIpsi->setChecked(m_oImpedance->ShowIpsi());
        m.mnuViewContra->setChecked(m_oImpedance->ShowContra());
        m.mnuViewTymp->setChecked(m_oImpedance->ShowTymp());
    }

    for (QAction* item : {m.mnuEditAddRemoveTest, m.mnuEditTestConditions, m.mnuUnderlay->menuAction()})
        item->setVisible(pureTone || speech);
    for (QAction* item : {m.mnuEditCopyEar, m.mnuViewGraphMode, m.mnuViewNormal, m.mnuViewZoomLeft,
                          m.mnuViewZoomRight, m.mnuShowHidePrevAction->menuAction(), m.mnuViewLine1, m.mnuViewLine2})
        item->setVisible(pureTone);
    m.mnuShowHideTestMain->menuAction()->setVisible(pureTone || speechChart);

    m.mnuShowHidePrevAction->menuAction()->setEnabled(ModServ() && ModServ()->get_CurrentClient() &&
                                                      m_previousActionCount >= 1);

    m.mnuEditLine3->setVisible(m.mnuEditTestConditions->isVisible());
    m.mnuEditLine4->setVisible(m.mnuEditAddRemoveTest->isVisible());
    m.mnuEditLine5->setVisible(m.mnuEditCopyEar->isVisible());
    m.mnuAudiometerMain->menuAction()->setEnabled(true);
}

}  // namespace brisance

#include "module/preferences/frmPreferences.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/PreferenceValues.h"
#include "module/core/ShowRaisedError.h"
#include "module/core/TextResources.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/panels/TwipsGeometry.h"
#include "module/preferences/frmPaletteConfig.h"
#include "module/preferences/frmPrefARTOptions.h"
#include "module/preferences/frmPrefNotes.h"
#include "module/preferences/frmPrefPureToneGraph.h"
#include "module/preferences/frmPrefSpeechGraph.h"
#include "module/preferences/frmPrefTestData.h"
#include "module/preferences/frmPrefTympOptions.h"
#include "module/preferences/OptionButtons.h"
#include "module/preferences/OptionPage.h"
#include "module/preferences/PreferencesSections.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace brisance {

namespace ui = platform::ui;

namespace {

constexpr const char* kPureToneTab = "PureTone";
constexpr const char* kSpeechTab = "Speech";
constexpr const char* kImpedanceTab = "Impedance";

constexpr const char* kPTPanelsKey = "PTPanels";
constexpr const char* kSPShowGraphKey = "SPShowGraph";
constexpr const char* kSPPanelsKey = "SPPanels";
constexpr const char* kIMPanelsKey = "IMPanels";

// The panel bits of the keys.
constexpr std::int32_t kTestDataBit = 1;
constexpr std::int32_t kNotesBit = 2;
constexpr std::int32_t kAverageBit = 4;
constexpr std::int32_t kIpsilateralBit = 8;
constexpr std::int32_t kContralateralBit = 16;
constexpr std::int32_t kTympanogramBit = 32;

constexpr int kGraphMode = 0;
constexpr int kTableMode = 1;

// The layout, in twips. The tab strip keeps 100 to the dialog's left and
// top, 250 to its right and 350 above the buttons.
constexpr int kDialogWidth = 7800;
constexpr int kStripLeft = 100;
constexpr int kStripTop = 100;
constexpr int kStripWidth = kDialogWidth - 350;
constexpr int kStripToButtons = 250;
constexpr int kMargin = 120;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;

// Inside a panel: a section's picture and heading, then its rows indented
// under the heading, its button on the right.
constexpr int kSectionGap = 150;
constexpr int kIconLeft = 120;
constexpr int kIndent = 480;
constexpr int kHeadingHeight = 330;
constexpr int kMessageHeight = 480;
constexpr int kRowHeight = 255;
constexpr int kRowPitch = 300;
constexpr int kOptionIndent = 600;
constexpr int kPageButtonWidth = 1800;
constexpr int kPageButtonRightMargin = 250;

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

QString TextWithoutAccessKey(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(id));
}

bool Ticked(const QCheckBox* box)
{
    return box->checkState() == Qt::Checked;
}

std::int32_t TickedBit(const QCheckBox* box, std::int32_t bit)
{
    return Ticked(box) ? bit : 0;
}

// The palette stored in the profile at the store's position ("PT" or "SP"
// prefix), as items of the module's tests. An item whose test has results in
// the open audiogram is marked so, so that it cannot be taken off.
std::shared_ptr<CPaletteItems> StoredPalette(vellum::IVellumKeyedStore& store, const std::string& prefix,
                                             const CCurvePrefs& tests, vellum::IVellumDataLayer* openAudiogram)
{
    auto items = std::make_shared<CPaletteItems>();
    LoadPaletteFromString(*items, tests, PreferenceText(store, prefix + "PalButtons"),
                          PreferenceText(store, prefix + "PalButtonsBinaural"));
    if (openAudiogram)
        MarkPaletteItemsWithData(*openAudiogram, *items);
    return items;
}

// Builds the sections of one panel from the top down.
class Sections {
public:
    Sections(SectionPanel& panel, int width) : m_panel(panel), m_width(width) {}

    int Bottom() const { return m_top; }

    // Headings are no controls of their own: they show no access key.
    QLabel* Heading(const char* name, TextResources text, SectionIcon icon)
    {
        if (m_top > 0)
            m_top += kSectionGap;
        m_top += kMargin;
        auto* picture = new QLabel(&m_panel);
        picture->setPixmap(SectionIconPixmap(icon));
        picture->setGeometry(twipsRect(kIconLeft, m_top, kHeadingHeight, kHeadingHeight));
        picture->setAlignment(Qt::AlignCenter);
        auto* heading = new QLabel(TextWithoutAccessKey(text), &m_panel);
        heading->setObjectName(name);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->move(twipsRect(kIndent, m_top, 0, 0).topLeft());
        heading->adjustSize();
        heading->resize(heading->width(), twipsRect(0, 0, 0, kHeadingHeight).height());
        m_panel.AddHeading(heading);
        m_top += kHeadingHeight;
        return heading;
    }

    // A note across the section, beside its button; takes a row of its own.
    QLabel* Message(const char* name, const QString& text)
    {
        auto* label = new QLabel(text, &m_panel);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(twipsRect(kIndent, m_top, ButtonLeft() - kMargin - kIndent, kMessageHeight));
        return label;
    }
    void EndMessage() { m_top += kMessageHeight; }

    QCheckBox* CheckBox(const char* name, const QString& text)
    {
        auto* box = new QCheckBox(text, &m_panel);
        box->setObjectName(name);
        box->setGeometry(twipsRect(kIndent, m_top, ButtonLeft() - kMargin - kIndent, kRowHeight));
        return box;
    }
    QRadioButton* Option(const QString& name, const QString& text)
    {
        auto* option = new QRadioButton(text, &m_panel);
        option->setObjectName(name);
        option->setGeometry(twipsRect(kOptionIndent, m_top, ButtonLeft() - kMargin - kOptionIndent, kRowHeight));
        return option;
    }
    void EndRow() { m_top += kRowPitch; }

    // The section's button, on the right of the row being built.
    QPushButton* Button(const QString& name, const QString& text)
    {
        auto* button = new QPushButton(text, &m_panel);
        button->setObjectName(name);
        button->setGeometry(twipsRect(ButtonLeft(), m_top - (kButtonHeight - kRowHeight) / 2, kPageButtonWidth,
                                      kButtonHeight));
        return button;
    }
    void EndButtonRow() { m_top += kButtonHeight; }

private:
    int ButtonLeft() const { return m_width - kPageButtonRightMargin - kPageButtonWidth; }

    SectionPanel& m_panel;
    int m_width;
    int m_top = 0;
};

}  // namespace

frmPreferences::frmPreferences(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(TextWithoutAccessKey(TR_PROFILE_OPTIONS));

    tabMain = new QTabBar(this);
    tabMain->setObjectName("tabMain");
    tabMain->setDrawBase(false);
    const std::pair<const char*, TextResources> tabs[] = {
        {kPureToneTab, TR_PURETONE}, {kSpeechTab, TR_SPEECH}, {kImpedanceTab, TR_IMPEDANCE}};
    for (const auto& [key, caption] : tabs)
        tabMain->setTabData(tabMain->addTab(Text(caption)), QString::fromLatin1(key));
    fraTabClient = new QFrame(this);
    fraTabClient->setObjectName("fraTabClient");
    fraTabClient->setFrameShape(QFrame::StyledPanel);
    fraTabClient->setFrameShadow(QFrame::Raised);

    CreatePureToneAndSpeechPanel();
    CreateImpedancePanel();

    cmdOK = new QPushButton(Text(TR_OK), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(Text(TR_CANCEL), this);
    cmdCancel->setObjectName("cmdCancel");
    cmdApply = new QPushButton(Text(TR_APPLY), this);
    cmdApply->setObjectName("cmdApply");
    LayOut();

    connect(tabMain, &QTabBar::currentChanged, this, [this] { ArrangeTabControls(); });
    for (QRadioButton* option : optSpeechGraph)
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected)
                optSpeechGraph_Click();
        });
    connect(cmdPTGraphLayout, &QPushButton::clicked, this, [this] { cmdPTGraphLayout_Click(); });
    connect(cmdTestDataOptions, &QPushButton::clicked, this, [this] { cmdTestDataOptions_Click(); });
    for (QPushButton* button : cmdNotesOptions)
        connect(button, &QPushButton::clicked, this, [this] { cmdNotesOptions_Click(); });
    for (std::int32_t mode = 0; mode < static_cast<std::int32_t>(cmdARTOptions.size()); ++mode)
        connect(cmdARTOptions[static_cast<std::size_t>(mode)], &QPushButton::clicked, this,
                [this, mode] { cmdARTOptions_Click(mode); });
    connect(cmdTympanometry, &QPushButton::clicked, this, [this] { cmdTympanometry_Click(); });
    connect(cmdPalette, &QPushButton::clicked, this, [this] { cmdPalette_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });

    ArrangeTabControls();
}

frmPreferences::~frmPreferences() = default;

void frmPreferences::CreatePureToneAndSpeechPanel()
{
    picOptions = new SectionPanel(this);
    picOptions->setObjectName("picOptions");
    Sections section(*picOptions, kStripWidth);

    lblGraphLayout = section.Heading("lblGraphLayout", TR_GRAPH_LAYOUT, SectionIcon::Graph);
    lblGraphMsg = section.Message("lblGraphMsg", Text(TR_CUSTOMIZE_THE_APPEARANCE_OF_THE_PURE_TONE_GRAPH));
    cmdPTGraphLayout = section.Button("cmdPTGraphLayout", Text(TR_GRAPH_OPTIONS));
    section.EndMessage();
    for (TextResources caption : {TR_SPEECH_GRAPH_MODE, TR_SPEECH_TABLE_MODE}) {
        optSpeechGraph.push_back(
            section.Option(QStringLiteral("optSpeechGraph%1").arg(optSpeechGraph.size()), Text(caption)));
        section.EndRow();
    }

    lblTestDataTable = section.Heading("lblTestDataTable", TR_TEST_DATA_TABLE, SectionIcon::Table);
    lblTestDataMsg = section.Message("lblTestDataMsg", Text(TR_CUSTOMIZE_THE_APPEARANCE_OF_THE_TEST_DATA_TABLE));
    cmdTestDataOptions = section.Button("cmdTestDataOptions", Text(TR_TEST_DATA_OPTIONS));
    section.EndMessage();
    chkPTShowTestData = section.CheckBox("chkPTShowTestData", Text(TR_SHOW_TEST_DATA_TABLE));
    chkSPShowTestData = section.CheckBox("chkSPShowTestData", Text(TR_SHOW_TEST_DATA_TABLE));
    section.EndRow();

    lblPureToneAverage = section.Heading("lblPureToneAverage", TR_PURE_TONE_AVERAGE, SectionIcon::Average);
    chkPTShowPTA = section.CheckBox("chkPTShowPTA", Text(TR_SHOW_PURE_TONE_AVERAGE));
    chkSPShowPTA = section.CheckBox("chkSPShowPTA", Text(TR_SHOW_PURE_TONE_AVERAGE));
    section.EndRow();

    lblNotes = section.Heading("lblNotes", TR_NOTES, SectionIcon::Notes);
    lblNotesMessage =
        section.Message("lblNotesMessage", Text(TR_CUSTOMIZE_THE_APPEARANCE_OF_THE_PURE_TONE_NOTES_PA));
    lblSPNotesMessage =
        section.Message("lblSPNotesMessage", Text(TR_CUSTOMIZE_THE_APPEARANCE_OF_THE_SPEECH_NOTES_PANEL));
    cmdNotesOptions.push_back(section.Button("cmdNotesOptions0", Text(TR_NOTES_OPTIONS)));
    section.EndMessage();
    chkPTShowNotes = section.CheckBox("chkPTShowNotes", Text(TR_SHOW_PURE_TONE_NOTES));
    chkSPShowNotes = section.CheckBox("chkSPShowNotes", Text(TR_SHOW_SPEECH_NOTES));
    section.EndRow();

    lblTestPalette = section.Heading("lblTestPalette", TR_TEST_PALETTE, SectionIcon::Palette);
    cmdPalette = section.Button("cmdPalette", Text(TR_PALETTE_OPTIONS));
    section.EndButtonRow();

    picOptions->resize(twipsRect(0, 0, kStripWidth, section.Bottom() + kMargin).size());
}

void frmPreferences::CreateImpedancePanel()
{
    picImpedanceOptions = new SectionPanel(this);
    picImpedanceOptions->setObjectName("picImpedanceOptions");
    Sections section(*picImpedanceOptions, kStripWidth);
    const auto reflexSection = [&section](const char* headingName, TextResources heading, const char* boxName,
                                          TextResources box, const char* buttonName, QLabel*& lblHeading,
                                          QCheckBox*& chkShow) {
        lblHeading = section.Heading(headingName, heading, SectionIcon::Reflex);
        chkShow = section.CheckBox(boxName, Text(box));
        QPushButton* button = section.Button(buttonName, Text(TR_OPTIONS));
        section.EndButtonRow();
        return button;
    };
    cmdARTOptions.resize(2);
    cmdARTOptions[1] = reflexSection("lblCART", TR_CONTALATERAL_REFLEXES, "chkShowCART",
                                     TR_SHOW_CONTRALATERAL_ACOUSTIC_REFLEXES_PANEL, "cmdARTOptions1", lblCART,
                                     chkShowCART);
    cmdARTOptions[0] = reflexSection("lblIART", TR_IPSILATERAL_ACOUSTIC_REFLEXES, "chkShowIART",
                                     TR_SHOW_IPSILATERAL_ACOUSTIC_REFLEXES_PANEL, "cmdARTOptions0", lblIART,
                                     chkShowIART);

    lblTympanometry = section.Heading("lblTympanometry", TR_TYMPANOMETRY, SectionIcon::Tympanogram);
    chkShowTymp = section.CheckBox("chkShowTymp", Text(TR_SHOW_TYMPANOGRAM_PANEL));
    cmdTympanometry = section.Button("cmdTympanometry", Text(TR_OPTIONS));
    section.EndButtonRow();

    lblImpedanceNotes = section.Heading("lblImpedanceNotes", TR_NOTES, SectionIcon::Notes);
    lblImpedanceNotesMsg =
        section.Message("lblImpedanceNotesMsg", Text(TR_CUSTOMIZE_THE_APPEARANCE_OF_THE_IMPEDANCE_NOTES_PA));
    cmdNotesOptions.push_back(section.Button("cmdNotesOptions1", Text(TR_NOTES_OPTIONS)));
    section.EndMessage();
    chkShowImpedanceNotes = section.CheckBox("chkShowImpedanceNotes", Text(TR_SHOW_IMPEDANCE_NOTES));
    section.EndRow();

    picImpedanceOptions->resize(twipsRect(0, 0, kStripWidth, section.Bottom() + kMargin).size());
}

// Places the tab strip around the taller panel, both panels on its client
// area, and the buttons below it.
void frmPreferences::LayOut()
{
    const int clientHeight = std::max(picOptions->height(), picImpedanceOptions->height());
    const QRect strip = twipsRect(kStripLeft, kStripTop, kStripWidth, 0);
    const int barHeight = tabMain->sizeHint().height();
    const int frame = fraTabClient->frameWidth();
    tabMain->setGeometry(strip.left(), strip.top(), strip.width(), barHeight);
    fraTabClient->setGeometry(strip.left(), strip.top() + barHeight, strip.width(), clientHeight + 2 * frame);
    const QRect client = fraTabClient->geometry().adjusted(frame, frame, -frame, -frame);
    for (QWidget* panel : {static_cast<QWidget*>(picOptions), static_cast<QWidget*>(picImpedanceOptions)}) {
        panel->setGeometry(client);
        panel->raise();
    }

    const int stripBottomTwips = ui::pixelsToTwipsY(fraTabClient->geometry().bottom() + 1);
    const int buttonTop = stripBottomTwips + kStripToButtons;
    const int right = kStripLeft + kStripWidth;
    cmdApply->setGeometry(twipsRect(right - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight));
    cmdCancel->setGeometry(twipsRect(right - 2 * kButtonWidth - kMargin, buttonTop, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(right - 3 * kButtonWidth - 2 * kMargin, buttonTop, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, kDialogWidth, buttonTop + kButtonHeight + kMargin).size());
}

void frmPreferences::ProfileName(const std::string& name)
{
    setWindowTitle(TextWithoutAccessKey(TR_PROFILE_OPTIONS) + " (" + QString::fromStdString(name) + ")");
}

void frmPreferences::LoadPreferences()
{
    if (!m_store)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    vellum::IVellumKeyedStore& store = *m_store;
    std::int32_t m = PreferenceNumber(store, kPTPanelsKey);
    chkPTShowTestData->setChecked(m & kTestDataBit);
    chkPTShowPTA->setChecked(m & kAverageBit);
    chkPTShowNotes->setChecked(m & kNotesBit);

    SelectOption(optSpeechGraph, PreferenceFlag(store, kSPShowGraphKey) ? kGraphMode : kTableMode);

    m = PreferenceNumber(store, kSPPanelsKey);
    chkSPShowTestData->setChecked(m & kTestDataBit);
    chkSPShowPTA->setChecked(m & kAverageBit);
    chkSPShowNotes->setChecked(m & kNotesBit);

    m = PreferenceNumber(store, kIMPanelsKey);
    chkShowImpedanceNotes->setChecked(m & kNotesBit);
    chkShowIART->setChecked(m & kIpsilateralBit);
    chkShowCART->setChecked(m & kContralateralBit);
    chkShowTymp->setChecked(m & kTympanogramBit);
}

void frmPreferences::SavePreferences()
{
    if (!m_store)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    vellum::IVellumKeyedStore& store = *m_store;
    store.put_Value(kPTPanelsKey, TickedBit(chkPTShowTestData, kTestDataBit) + TickedBit(chkPTShowPTA, kAverageBit) +
                                      TickedBit(chkPTShowNotes, kNotesBit));
    store.put_Value(kSPShowGraphKey, SelectedOption(optSpeechGraph) == kGraphMode);
    store.put_Value(kSPPanelsKey, TickedBit(chkSPShowTestData, kTestDataBit) + TickedBit(chkSPShowPTA, kAverageBit) +
                                      TickedBit(chkSPShowNotes, kNotesBit));
    store.put_Value(kIMPanelsKey, TickedBit(chkShowImpedanceNotes, kNotesBit) +
                                      TickedBit(chkShowIART, kIpsilateralBit) +
                                      TickedBit(chkShowCART, kContralateralBit) + TickedBit(chkShowTymp, kTympanogramBit));
}

void frmPreferences::ShowTab(std::int16_t NewTab)
{
    if (NewTab >= 1 && NewTab <= tabMain->count())
        tabMain->setCurrentIndex(NewTab - 1);
    ArrangeTabControls();
}

QString frmPreferences::SelectedTabKey() const
{
    return tabMain->tabData(tabMain->currentIndex()).toString();
}

void frmPreferences::ArrangeTabControls()
{
    const QString key = SelectedTabKey();
    const bool impedance = key == kImpedanceTab;
    picOptions->setVisible(!impedance);
    picImpedanceOptions->setVisible(impedance);
    if (impedance)
        return;
    const bool speech = key == kSpeechTab;
    for (QWidget* control : std::initializer_list<QWidget*>{optSpeechGraph[0], optSpeechGraph[1], chkSPShowTestData,
                                                            chkSPShowPTA, chkSPShowNotes, lblSPNotesMessage})
        control->setVisible(speech);
    for (QWidget* control : std::initializer_list<QWidget*>{chkPTShowTestData, chkPTShowPTA, chkPTShowNotes,
                                                            cmdTestDataOptions, lblNotesMessage})
        control->setVisible(!speech);
    cmdPTGraphLayout->setEnabled(!speech || optSpeechGraph[kGraphMode]->isChecked());
}

// Only the speech graph has options and a test-data table; the pure-tone
// tab's graph button keeps what the tab gave it.
void frmPreferences::optSpeechGraph_Click()
{
    const bool graph = optSpeechGraph[kGraphMode]->isChecked();
    chkSPShowTestData->setEnabled(graph);
    if (SelectedTabKey() == kSpeechTab)
        cmdPTGraphLayout->setEnabled(graph);
}

bool frmPreferences::ApplyPreferences()
{
    try {
        SavePreferences();
    } catch (const platform::runtime::RuntimeError& error) {
        ShowRaisedError(this, error);
        return false;
    }
    emit ApplyButton();
    return true;
}

void frmPreferences::cmdOK_Click()
{
    if (ApplyPreferences())
        accept();
}

void frmPreferences::cmdApply_Click()
{
    ApplyPreferences();
}

void frmPreferences::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        const QString key = SelectedTabKey();
        ShowContextHelp(this, key == kPureToneTab ? kPureToneHelpContext
                              : key == kSpeechTab ? kSpeechHelpContext
                                                  : kImpedanceHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmPreferences::ShowPage(OptionPage& page)
{
    ShowOptionPage(page, m_store, this);
}

void frmPreferences::cmdPTGraphLayout_Click()
{
    if (SelectedTabKey() == kPureToneTab) {
        frmPrefPureToneGraph page;
        ShowPage(page);
    } else {
        frmPrefSpeechGraph page;
        ShowPage(page);
    }
}

void frmPreferences::cmdTestDataOptions_Click()
{
    frmPrefTestData page;
    page.SpeechMode(false);
    ShowPage(page);
}

void frmPreferences::cmdNotesOptions_Click()
{
    const QString key = SelectedTabKey();
    frmPrefNotes page;
    page.Mode(key == kPureToneTab ? 0 : key == kSpeechTab ? 1 : 2);
    ShowPage(page);
}

void frmPreferences::cmdARTOptions_Click(std::int32_t mode)
{
    frmPrefARTOptions page;
    page.Mode(mode);
    ShowPage(page);
}

void frmPreferences::cmdTympanometry_Click()
{
    frmPrefTympOptions page;
    ShowPage(page);
}

// The palette of the profile being edited, which need not be the open
// document's: it is edited on a copy read from the profile, and written back
// only when the palette dialog closes with OK.
void frmPreferences::cmdPalette_Click()
{
    const bool pureTone = SelectedTabKey() == kPureToneTab;
    const std::string prefix = pureTone ? "PT" : "SP";
    try {
        if (!m_store)
            platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
        const std::shared_ptr<CCurvePrefs> tests = ModuleGlobals::CurvePrefs();
        if (!tests)
            platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
        frmPaletteConfig dialog;
        dialog.Preferences(m_store);
        dialog.CurvePrefs(tests);
        dialog.CurveType(pureTone ? PrefType_PureTone : PrefType_Speech);
        dialog.ShowPalette(pureTone || !optSpeechGraph[kTableMode]->isChecked());
        dialog.PaletteItems(StoredPalette(*m_store, prefix, *tests, m_data.get()));
        dialog.LoadTestData();
        dialog.exec();
        if (dialog.OKPressed)
            dialog.SavePaletteButtonsIntoPrefs();
        if (dialog.TestEdited)
            emit TestSettingsChanged();
    } catch (const platform::runtime::RuntimeError& error) {
        ShowRaisedError(this, error);
    }
}

}  // namespace brisance

#include "module/preferences/frmPaletteConfig.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/CSymbols.h"
#include "module/core/DescribeCurve.h"
#include "module/core/ListView.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/core/UiFillRoutines.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/EntryNumbers.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/panels/TwipsGeometry.h"
#include "module/preferences/frmTestProperties.h"
#include "module/preferences/TestKindIcons.h"

#include "platform/ui/MessageBox.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <string>

namespace brisance {

namespace ui = platform::ui;

namespace {

// The layout, in twips: the available tests on the left, Add and Remove
// between, the chosen tests (list or palette) on the right, the details of
// the test clicked last below, and the buttons under them.
constexpr int kMargin = 120;
constexpr int kHeadingHeight = 255;
constexpr int kListTop = kMargin + kHeadingHeight + 60;
constexpr int kListWidth = 3600;
// High enough for eight palette buttons in one column.
constexpr int kListHeight = 3300;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonPitch = 480;
constexpr int kMiddleLeft = kMargin + kListWidth + kMargin;
constexpr int kChosenLeft = kMiddleLeft + kButtonWidth + kMargin;
constexpr int kFormWidth = kChosenLeft + kListWidth + kMargin;
constexpr int kDetailsTop = kListTop + kListHeight + kMargin;
constexpr int kDetailsHeight = 1000;
constexpr int kButtonsTop = kDetailsTop + kDetailsHeight + kMargin;
constexpr int kFormHeight = kButtonsTop + kButtonHeight + kMargin;

constexpr int kPureToneIcon = 1;
constexpr int kSpeechIcon = 2;
constexpr const char* kBinauralSuffix = "Binaural";

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

std::string Utf8(TextResources id)
{
    return ModuleGlobals::UiTextLoader()->LoadResString(id);
}

// The CurveID that a row of a test list carries as its tag.
std::int32_t RowCurveID(const QTreeWidgetItem& row)
{
    return leadingWholeNumber(ListView::Tag(row)).value_or(0);
}

// A test list as the dialog shows both: one column of three quarters of the
// list's width, without a header.
ListView* NewTestList(QWidget* parent, const char* name)
{
    auto* list = new ListView(parent);
    list->setObjectName(name);
    list->setColumnCount(1);
    list->setHeaderLabels({Text(TR_TEST_NOTATION)});
    list->setHeaderHidden(true);
    list->setGeometry(twipsRect(0, 0, kListWidth, kListHeight));
    list->header()->resizeSection(0, list->width() * 3 / 4);
    return list;
}

// Puts every item of the source onto the destination, which is emptied
// first: the same tests, each with its ID, flags and descriptions.
void CopyItems(const CPaletteItems& source, CPaletteItems& destination)
{
    destination.Clear();
    for (const auto& item : source)
        item->CopyTo(*destination.Add(item->CurvePreferences));
}

}  // namespace

frmPaletteConfig::frmPaletteConfig(QWidget* parent) :
    QDialog(parent), m_curvePrefs(std::make_shared<CCurvePrefs>())
{
    const auto rowIcons = CreateTestKindIcons().as<platform::com::IUnknown>();
    for (int index = 0; index < 2; ++index) {
        lblTestNotation[index] = new QLabel(this);
        lblTestNotation[index]->setObjectName(QStringLiteral("lblTestNotation%1").arg(index));
    }
    lvwTests = NewTestList(this, "lvwTests");
    lvwTests->SmallIcons(rowIcons);
    lvwSelectedTests = NewTestList(this, "lvwSelectedTests");
    lvwSelectedTests->SmallIcons(rowIcons);

    PAL = new CurvePalette(this);
    PAL->setObjectName("PAL");
    PAL->ImageList(ModuleGlobals::Symbols()->SymbolImages().as<platform::com::IUnknown>());
    PAL->ShowAddTestButton(false);

    cmdAddToPalette[0] = new QPushButton(this);
    cmdAddToPalette[0]->setObjectName("cmdAddToPalette0");
    cmdRemove = new QPushButton(this);
    cmdRemove->setObjectName("cmdRemove");
    cmdRemove->setEnabled(false);
    cmdMore = new QPushButton(this);
    cmdMore->setObjectName("cmdMore");
    cmdMore->setEnabled(false);
    fraTestDetails = new QGroupBox(this);
    fraTestDetails->setObjectName("fraTestDetails");
    lblTestDetails = new QLabel(fraTestDetails);
    lblTestDetails->setObjectName("lblTestDetails");
    lblTestDetails->setWordWrap(true);
    lblTestDetails->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOK = new QPushButton(this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName("cmdCancel");

    LoadCaptions();
    PlaceControls();
    PaletteItems(std::make_shared<CPaletteItems>());
    ShowPalette(false);

    // A row counts as clicked when it becomes the current one, by mouse or
    // keyboard, and when it is clicked again.
    const auto onRow = [](ListView* list, auto handler) {
        connect(list, &QTreeWidget::currentItemChanged, list, [handler](QTreeWidgetItem* row) {
            if (row)
                handler(*row);
        });
        connect(list, &QTreeWidget::itemClicked, list, [handler](QTreeWidgetItem* row) { handler(*row); });
    };
    onRow(lvwTests, [this](const QTreeWidgetItem& row) { lvwTests_ItemClick(row); });
    onRow(lvwSelectedTests, [this](const QTreeWidgetItem& row) { lvwSelectedTests_ItemClick(row); });
    connect(PAL, &CurvePalette::ButtonChange, this, [this] { PAL_ButtonChange(); });
    connect(cmdAddToPalette[0], &QPushButton::clicked, this, [this] { cmdAddToPalette_Click(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { cmdRemove_Click(); });
    connect(cmdMore, &QPushButton::clicked, this, [this] { cmdMore_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmPaletteConfig::reject);
}

frmPaletteConfig::~frmPaletteConfig() = default;

void frmPaletteConfig::LoadCaptions()
{
    setWindowTitle(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(TR_PAL_CONFIG)));
    cmdAddToPalette[0]->setText(Text(TR_ADD) + " >>");
    cmdRemove->setText("<< " + Text(TR_REMOVE));
    lblTestNotation[0]->setText(Text(TR_AVAILABLE_TESTS));
    lblTestNotation[1]->setText(Text(TR_CURRENT_TEST_PALETTE));
    fraTestDetails->setTitle(Text(TR_TEST_DETAILS));
    cmdOK->setText(Text(TR_OK));
    cmdCancel->setText(Text(TR_CANCEL));
    cmdMore->setText(Text(TR_MORE) + "...");
    lblTestDetails->clear();

    PAL->AddButtonCaption(Utf8(TR_ADD_TEST));
    PAL->HideCurveCaption(Utf8(TR_HIDE_CURVE));
    PAL->ShowCurveCaption(Utf8(TR_SHOW_CURVE));
    PAL->HideButtonBaseText(Utf8(TR_HIDE_PCTS_CURVE));
    PAL->ShowButtonBaseText(Utf8(TR_SHOW_PCTS_CURVE));
    PAL->RemoveTestCaption(Utf8(TR_REMOVE_TEST));
    PAL->EditTestCaption(Utf8(TR_EDIT_TEST_PROPERTIES));
}

void frmPaletteConfig::PlaceControls()
{
    lblTestNotation[0]->setGeometry(twipsRect(kMargin, kMargin, kListWidth, kHeadingHeight));
    lblTestNotation[1]->setGeometry(twipsRect(kChosenLeft, kMargin, kListWidth, kHeadingHeight));
    lvwTests->move(twipsRect(kMargin, kListTop, 0, 0).topLeft());
    lvwSelectedTests->move(twipsRect(kChosenLeft, kListTop, 0, 0).topLeft());
    PAL->setGeometry(twipsRect(kChosenLeft, kListTop, kListWidth, kListHeight));
    const int middleTop = kListTop + (kListHeight - kButtonHeight - kButtonPitch) / 2;
    cmdAddToPalette[0]->setGeometry(twipsRect(kMiddleLeft, middleTop, kButtonWidth, kButtonHeight));
    cmdRemove->setGeometry(twipsRect(kMiddleLeft, middleTop + kButtonPitch, kButtonWidth, kButtonHeight));
    fraTestDetails->setGeometry(twipsRect(kMargin, kDetailsTop, kFormWidth - 2 * kMargin, kDetailsHeight));
    lblTestDetails->setGeometry(
        twipsRect(kMargin, 2 * kHeadingHeight, kFormWidth - 4 * kMargin, kDetailsHeight - 3 * kHeadingHeight));
    cmdMore->setGeometry(twipsRect(kMargin, kButtonsTop, kButtonWidth, kButtonHeight));
    cmdCancel->setGeometry(twipsRect(kFormWidth - kMargin - kButtonWidth, kButtonsTop, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(
        twipsRect(kFormWidth - 2 * (kMargin + kButtonWidth), kButtonsTop, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, kFormWidth, kFormHeight).size());
}

void frmPaletteConfig::PaletteItems(std::shared_ptr<CPaletteItems> items)
{
    m_paletteItems = std::move(items);
    m_savedItems = std::make_unique<CPaletteItems>();
    CopyItems(*m_paletteItems, *m_savedItems);
}

void frmPaletteConfig::ShowPalette(bool show)
{
    m_showPalette = show;
    lvwSelectedTests->setVisible(!show);
    lblTestNotation[1]->setVisible(!show);
    PAL->setVisible(show);
    cmdMore->setVisible(show);
}

void frmPaletteConfig::SavePaletteButtonsIntoPrefs()
{
    if (!m_store)
        return;
    std::string keys;
    std::string binaural;
    for (const auto& item : *m_paletteItems) {
        keys += item->Key + ",";
        binaural += std::string(item->Binaural ? "True" : "False") + ",";
    }
    const std::string key = SpeechKind() ? "SPPalButtons" : "PTPalButtons";
    m_store->put_Value(key, keys);
    m_store->put_Value(key + kBinauralSuffix, binaural);
}

void frmPaletteConfig::LoadTestData()
{
    {
        const QSignalBlocker quiet(lvwTests);
        FillTestList(*lvwTests, *m_curvePrefs, static_cast<CurvePrefType>(m_curveType));
        // A filled list has its first row selected.
        if (lvwTests->topLevelItemCount() > 0)
            lvwTests->setCurrentItem(lvwTests->topLevelItem(0));
    }
    // With no test of the kind there is no row to show.
    if (QTreeWidgetItem* row = lvwTests->currentItem())
        lvwTests_ItemClick(*row);
    RefreshDisplay();
}

void frmPaletteConfig::RefreshDisplay()
{
    if (m_showPalette)
        FillCurvePalette(*PAL, *m_paletteItems, false);
    else
        RefreshSelectedList();
}

void frmPaletteConfig::RefreshSelectedList()
{
    const QSignalBlocker quiet(lvwSelectedTests);
    lvwSelectedTests->clear();
    const int icon = SpeechKind() ? kSpeechIcon : kPureToneIcon;
    for (const auto& item : *m_paletteItems) {
        if (SpeechKind() && item->Binaural)
            continue;
        const CCurvePref& test = *item->CurvePreferences;
        const std::string key = "K" + std::to_string(test.CurveID);
        // A stored palette may name a test twice: one row stands for both.
        if (lvwSelectedTests->FindItem(key))
            continue;
        QTreeWidgetItem& row = lvwSelectedTests->AddItem(key, test.Label, icon);
        ListView::Tag(row, std::to_string(test.CurveID));
    }
}

void frmPaletteConfig::ShowTestDetails(const QString& caption, std::shared_ptr<CCurvePref> test)
{
    fraTestDetails->setTitle(Text(TR_TEST_DETAILS) + " (" + caption + ")");
    m_currentTest = std::move(test);
    if (m_currentTest)
        lblTestDetails->setText(QString::fromStdString(DescribeCurve(*m_currentTest, false)));
    cmdMore->setEnabled(true);
}

void frmPaletteConfig::UpdateAddState()
{
    cmdAddToPalette[0]->setEnabled(m_paletteItems->Count() < kMaxItems);
}

void frmPaletteConfig::lvwTests_ItemClick(const QTreeWidgetItem& row)
{
    UpdateAddState();
    ShowTestDetails(row.text(0), m_curvePrefs->ItemByCurveID(RowCurveID(row)));
}

void frmPaletteConfig::lvwSelectedTests_ItemClick(const QTreeWidgetItem& row)
{
    cmdRemove->setEnabled(true);
    ShowTestDetails(row.text(0), m_curvePrefs->ItemByCurveID(RowCurveID(row)));
}

void frmPaletteConfig::PAL_ButtonChange()
{
    const auto pressed = PAL->SelectedButton();
    if (!pressed)
        return;
    cmdRemove->setEnabled(true);
    const auto item = m_paletteItems->ItemByID(pressed->ItemData().toLong());
    ShowTestDetails(QString::fromStdString(pressed->Caption()), item ? item->CurvePreferences : nullptr);
}

void frmPaletteConfig::cmdAddToPalette_Click()
{
    const QTreeWidgetItem* row = lvwTests->currentItem();
    if (!row || m_paletteItems->Count() >= kMaxItems)
        return;
    const auto test = m_curvePrefs->ItemByCurveID(RowCurveID(*row));
    // A test stands on the palette at most once as a not-binaural item.
    if (!test || m_paletteItems->ItemExist(test->Key(), false))
        return;
    AddPaletteItemForCurvePref(test, *m_paletteItems, false);
    RefreshDisplay();
    UpdateAddState();
}

std::shared_ptr<CPaletteItem> frmPaletteConfig::ItemToRemove() const
{
    if (m_showPalette) {
        const auto pressed = PAL->SelectedButton();
        return pressed ? m_paletteItems->ItemByID(pressed->ItemData().toLong()) : nullptr;
    }
    const QTreeWidgetItem* row = lvwSelectedTests->currentItem();
    if (!row)
        return nullptr;
    const std::int32_t curveID = RowCurveID(*row);
    for (const auto& item : *m_paletteItems)
        if (!item->Binaural && item->CurvePreferences->CurveID == curveID)
            return item;
    return nullptr;
}

void frmPaletteConfig::cmdRemove_Click()
{
    const auto item = ItemToRemove();
    if (!item)
        return;
    if (item->HasData) {
        // The open audiogram holds results of the test: its item stays.
        ui::messageBox(this, Utf8(TR_TEST_IN_USE), ProgramTitle(*ModuleGlobals::UiTextLoader()),
                       ui::MB_OK | ui::MB_ICONINFORMATION);
    } else {
        m_paletteItems->RemoveByID(item->ID);
        RefreshDisplay();
    }
    UpdateAddState();
    cmdRemove->setEnabled(false);
    lvwTests->setFocus();
}

void frmPaletteConfig::cmdMore_Click()
{
    if (!m_currentTest)
        return;
    frmTestProperties properties(this);
    properties.SpeechMode(SpeechKind());
    properties.TestToEdit(m_currentTest);
    properties.ImageList(ModuleGlobals::Symbols()->SymbolImages());
    properties.ShowTestDetails();
    properties.AllowCommentEditing(false);
    properties.exec();
    // Labels, symbols and descriptions may have changed.
    if (properties.OKPressed) {
        TestEdited = true;
        LoadTestData();
    }
}

void frmPaletteConfig::cmdOK_Click()
{
    m_savedItems.reset();
    OKPressed = true;
    accept();
}

// Cancel, Escape and the close box: the items as they were handed in.
void frmPaletteConfig::reject()
{
    if (m_savedItems)
        CopyItems(*m_savedItems, *m_paletteItems);
    OKPressed = false;
    QDialog::reject();
}

void frmPaletteConfig::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brisance

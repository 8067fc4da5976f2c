#include "module/preferences/frmGeneralOptions.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ListView.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/PreferenceValues.h"
#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "module/core/UiFillRoutines.h"
#include "module/panels/EntryNumbers.h"
#include "module/panels/TwipsGeometry.h"
#include "module/preferences/CheckBoxMasks.h"
#include "module/preferences/frmNewTest.h"
#include "module/preferences/frmTestProperties.h"

#include "vellum/VellumValues.h"

#include "platform/ui/Twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>
#include <initializer_list>

namespace brisance {

namespace ui = platform::ui;

namespace {

// The layout, in twips.
constexpr int kMargin = 120;
constexpr int kFormWidth = 9000;
constexpr int kDescriptionHeight = 480;
constexpr int kTabTop = kMargin + kDescriptionHeight + kMargin;
constexpr int kClientHeight = 4200;
// The pages stand this much below the top of the tab strip's client area.
constexpr int kPageDrop = 100;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kButtonPitch = 480;
constexpr int kCheckBoxHeight = 300;
constexpr int kFrameTitleHeight = 300;
constexpr int kFrameGap = 120;

// The tabs in order, each with its key, caption and help context.
struct TabEntry {
    const char* key;
    TextResources caption;
    int helpContext;
};
constexpr std::array<TabEntry, 4> kTabs = {{
    {"PURETONE", TR_PURE_TONE_TESTS, 112},
    {"SPEECH", TR_SPEECH_TESTS, 111},
    {"PTA", TR_PURE_TONE_AVERAGE, 113},
    {"GENERAL", TR_GENERAL, 114},
}};
constexpr int kPureToneTab = 0;
constexpr int kSpeechTab = 1;
constexpr int kAverageTab = 2;
constexpr int kGeneralTab = 3;

constexpr const char* kRightOnLeftKey = "GENRightOnLeft";
constexpr const char* kFrequenciesKey = "PTAvg1";
constexpr const char* kDoubleFrequenciesKey = "PTAvg2";
constexpr const char* kAverageCurvesKey = "PTAvgTests";

constexpr int kNotationColumn = 0;
constexpr int kDescriptionColumn = 1;

// The description column's share of the test list's width.
int DescriptionShare(const QWidget& list)
{
    return list.width() * 3 / 4;
}

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

void place(QWidget& widget, int left, int top, int width, int height)
{
    widget.setGeometry(twipsRect(left, top, width, height));
}

QCheckBox* NewCheckBox(QWidget* parent, const QString& name)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    return box;
}

// A column of check boxes in a frame, below its title.
void PlaceColumn(const std::vector<QCheckBox*>& boxes, int width)
{
    int top = kFrameTitleHeight;
    for (QCheckBox* box : boxes) {
        place(*box, kMargin, top, width - 2 * kMargin, kCheckBoxHeight);
        top += kCheckBoxHeight;
    }
}

}  // namespace

frmGeneralOptions::frmGeneralOptions(QWidget* parent) : QDialog(parent)
{
    lblDialogDescription = new QLabel(this);
    lblDialogDescription->setObjectName("lblDialogDescription");
    lblDialogDescription->setWordWrap(true);

    tabMain = new QTabBar(this);
    tabMain->setObjectName("tabMain");
    tabMain->setExpanding(false);
    for (const TabEntry& tab : kTabs)
        tabMain->setTabData(tabMain->addTab(QString()), QString::fromLatin1(tab.key));
    fraTabClient = new QFrame(this);
    fraTabClient->setObjectName("fraTabClient");
    fraTabClient->setFrameShape(QFrame::StyledPanel);
    fraTabClient->setFrameShadow(QFrame::Raised);
    for (std::size_t index = 0; index < picTab.size(); ++index) {
        picTab[index] = new QWidget(this);
        picTab[index]->setObjectName(QStringLiteral("picTab%1").arg(index));
    }

    CreateTestControls();
    CreateAveragePage();
    CreateGeneralPage();

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName("cmdCancel");
    cmdApply = new QPushButton(this);
    cmdApply->setObjectName("cmdApply");

    LoadCaptions();
    PlaceControls();

    connect(tabMain, &QTabBar::currentChanged, this, [this] { ShowSelectedTab(); });
    connect(cmdNew, &QPushButton::clicked, this, [this] { cmdNew_Click(); });
    connect(cmdEdit, &QPushButton::clicked, this, [this] { cmdEdit_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { Apply(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        Apply();
        OKPressed = true;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &frmGeneralOptions::reject);

    ShowSelectedTab();
}

void frmGeneralOptions::CreateTestControls()
{
    lvwTests = new ListView(picTab[kPureToneTab]);
    lvwTests->setObjectName("lvwTests");
    lvwTests->setColumnCount(2);
    const auto button = [this](const char* name) {
        auto* created = new QPushButton(picTab[kPureToneTab]);
        created->setObjectName(name);
        return created;
    };
    cmdNew = button("cmdNew");
    cmdEdit = button("cmdEdit");
    cmdDelete = button("cmdDelete");
}

void frmGeneralOptions::CreateAveragePage()
{
    QWidget* page = picTab[kAverageTab];
    fraWeight = new QGroupBox(page);
    fraWeight->setObjectName("fraWeight");
    fraDoubleWeight = new QGroupBox(page);
    fraDoubleWeight->setObjectName("fraDoubleWeight");
    for (std::size_t index = 0; index < vellum::kAverageFrequencies.size(); ++index) {
        const QString frequency = QString::number(vellum::kAverageFrequencies[index]);
        chkFreq.push_back(NewCheckBox(fraWeight, QStringLiteral("chkFreq%1").arg(index)));
        chkFreq.back()->setText(frequency);
        chkFreqDbl.push_back(NewCheckBox(fraDoubleWeight, QStringLiteral("chkFreqDbl%1").arg(index)));
        chkFreqDbl.back()->setText(frequency);
        connect(chkFreq.back(), &QCheckBox::toggled, this, [this, index] { FollowFrequency(index); });
    }
    fraPTAToDisplay = new QGroupBox(page);
    fraPTAToDisplay->setObjectName("fraPTAToDisplay");
    for (int index = 0; index < 3; ++index)
        chkPTA.push_back(NewCheckBox(fraPTAToDisplay, QStringLiteral("chkPTA%1").arg(index)));
}

void frmGeneralOptions::CreateGeneralPage()
{
    fraGraphOrient = new QGroupBox(picTab[kGeneralTab]);
    fraGraphOrient->setObjectName("fraGraphOrient");
    for (std::size_t index = 0; index < optOrientation.size(); ++index) {
        optOrientation[index] = new QRadioButton(fraGraphOrient);
        optOrientation[index]->setObjectName(QStringLiteral("optOrientation%1").arg(index));
    }
    optOrientation[0]->setChecked(true);
}

void frmGeneralOptions::LoadCaptions()
{
    setWindowTitle(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(TR_GLOBAL_OPTIONS)));
    lblDialogDescription->setText(Text(TR_GLOBAL_OPTIONS_OPERATE_ACROSS_ALL_PROFILES));
    for (std::size_t index = 0; index < kTabs.size(); ++index)
        tabMain->setTabText(static_cast<int>(index), Text(kTabs[index].caption));
    fraGraphOrient->setTitle(Text(TR_GRAPH_DATA_ORIENT));
    optOrientation[0]->setText(Text(TR_RIGHT_TO_LEFT));
    optOrientation[1]->setText(Text(TR_LEFT_TO_RIGHT));
    fraPTAToDisplay->setTitle(Text(TR_DISPLAY_PTA));
    chkPTA[0]->setText(Text(TR_AC));
    chkPTA[1]->setText(Text(TR_BC));
    chkPTA[2]->setText(Text(TR_SF));
    fraWeight->setTitle(Text(TR_PURETONEAVERAGEFREQS));
    fraDoubleWeight->setTitle(Text(TR_PTA_DBL));
    cmdOK->setText(Text(TR_OK));
    cmdCancel->setText(Text(TR_CANCEL));
    cmdApply->setText(Text(TR_APPLY));
    cmdNew->setText(Text(TR_NEW));
    cmdEdit->setText(Text(TR_EDIT));
    cmdDelete->setText(Text(TR_DELETE));
    lvwTests->setHeaderLabels({Text(TR_NOTATION), Text(TR_DESCRIPTION)});
}

void frmGeneralOptions::PlaceControls()
{
    const int clientWidth = kFormWidth - 2 * kMargin;
    place(*lblDialogDescription, kMargin, kMargin, clientWidth, kDescriptionHeight);
    place(*tabMain, kMargin, kTabTop, clientWidth, 0);
    tabMain->resize(tabMain->width(), tabMain->sizeHint().height());
    const int clientTop = kTabTop + ui::pixelsToTwipsY(tabMain->height());
    place(*fraTabClient, kMargin, clientTop, clientWidth, kClientHeight);

    // Each page covers the client area inside the frame, a little lower.
    const QRect inside = fraTabClient->contentsRect().translated(fraTabClient->pos());
    const int pageLeft = ui::pixelsToTwipsX(inside.x());
    const int pageWidth = ui::pixelsToTwipsX(inside.width());
    const int pageTop = ui::pixelsToTwipsY(inside.y()) + kPageDrop;
    const int pageHeight = ui::pixelsToTwipsY(inside.height()) - kPageDrop;
    for (QWidget* page : picTab)
        place(*page, pageLeft, pageTop, pageWidth, pageHeight);

    // The tests: the list, the buttons in a column on its right.
    const int buttonLeft = pageWidth - kMargin - kButtonWidth;
    place(*lvwTests, kMargin, 0, buttonLeft - 2 * kMargin, pageHeight - kMargin);
    const int listWidth = lvwTests->width();
    lvwTests->header()->resizeSection(kNotationColumn, listWidth / 5);
    lvwTests->header()->resizeSection(kDescriptionColumn, DescriptionShare(*lvwTests));
    int top = 0;
    for (QPushButton* button : {cmdNew, cmdEdit, cmdDelete}) {
        place(*button, buttonLeft, top, kButtonWidth, kButtonHeight);
        top += kButtonPitch;
    }

    // The average: three frames side by side.
    const int frameWidth = (pageWidth - 2 * kMargin - 2 * kFrameGap) / 3;
    const int frameHeight = pageHeight - kMargin;
    QGroupBox* frames[] = {fraWeight, fraDoubleWeight, fraPTAToDisplay};
    for (int index = 0; index < 3; ++index)
        place(*frames[index], kMargin + index * (frameWidth + kFrameGap), 0, frameWidth, frameHeight);
    PlaceColumn(chkFreq, frameWidth);
    PlaceColumn(chkFreqDbl, frameWidth);
    PlaceColumn(chkPTA, frameWidth);

    // The orientation.
    place(*fraGraphOrient, kMargin, 0, pageWidth / 2, kFrameTitleHeight + 2 * kCheckBoxHeight + kMargin);
    place(*optOrientation[0], kMargin, kFrameTitleHeight, pageWidth / 2 - 2 * kMargin, kCheckBoxHeight);
    place(*optOrientation[1], kMargin, kFrameTitleHeight + kCheckBoxHeight, pageWidth / 2 - 2 * kMargin,
          kCheckBoxHeight);

    const int buttonsTop = clientTop + kClientHeight + kMargin;
    const int right = kFormWidth - kMargin;
    place(*cmdApply, right - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight);
    place(*cmdCancel, right - 2 * kButtonWidth - kMargin, buttonsTop, kButtonWidth, kButtonHeight);
    place(*cmdOK, right - 3 * kButtonWidth - 2 * kMargin, buttonsTop, kButtonWidth, kButtonHeight);
    setFixedSize(twipsRect(0, 0, kFormWidth, buttonsTop + kButtonHeight + kMargin).size());
}

void frmGeneralOptions::LoadPreferences()
{
    if (!m_store)
        return;
    StoreSelectionKeeper keeper(*m_store, kCategory, kSection);
    const auto rightOnLeft = m_store->get_Value(kRightOnLeftKey);
    // Only a missing value (Null) means right on left; an Empty one is stored
    // and reads False, as the views read it.
    optOrientation[rightOnLeft.isNull() || PreferenceFlag(rightOnLeft) ? 0 : 1]->setChecked(true);
    MaskToCheckBoxes(chkFreq, PreferenceNumber(*m_store, kFrequenciesKey));
    MaskToCheckBoxes(chkFreqDbl, PreferenceNumber(*m_store, kDoubleFrequenciesKey));
    MaskToCheckBoxes(chkPTA, PreferenceNumber(*m_store, kAverageCurvesKey));
    // A double weight stored without its frequency shows as the click rule leaves it.
    for (std::size_t index = 0; index < chkFreq.size(); ++index)
        FollowFrequency(index);
}

void frmGeneralOptions::SaveGeneralOptions()
{
    if (!m_store)
        return;
    StoreSelectionKeeper keeper(*m_store, kCategory, kSection);
    m_store->put_Value(kRightOnLeftKey, optOrientation[0]->isChecked());
    m_store->put_Value(kFrequenciesKey, CheckBoxesToMask(chkFreq));
    m_store->put_Value(kDoubleFrequenciesKey, CheckBoxesToMask(chkFreqDbl));
    m_store->put_Value(kAverageCurvesKey, CheckBoxesToMask(chkPTA));
}

void frmGeneralOptions::ShowTab(int NewTab)
{
    if (NewTab >= 1 && NewTab <= tabMain->count()) {
        const QSignalBlocker quiet(tabMain);
        tabMain->setCurrentIndex(NewTab - 1);
    }
    ShowSelectedTab();
}

void frmGeneralOptions::ShowSelectedTab()
{
    const int selected = tabMain->currentIndex();
    for (int index = 0; index < static_cast<int>(picTab.size()); ++index)
        picTab[index]->setVisible(index == selected);
    if (selected != kPureToneTab && selected != kSpeechTab)
        return;
    // One list and its buttons serve both test tabs: they move to the page shown.
    for (QWidget* control : std::initializer_list<QWidget*>{lvwTests, cmdNew, cmdEdit, cmdDelete}) {
        control->setParent(picTab[selected]);
        control->show();
    }
    RefillTests();
}

std::string frmGeneralOptions::SelectedTabKey() const
{
    return tabMain->tabData(tabMain->currentIndex()).toString().toStdString();
}

CurvePrefType frmGeneralOptions::SelectedKind() const
{
    return SelectedTabKey() == kTabs[kSpeechTab].key ? PrefType_Speech : PrefType_PureTone;
}

void frmGeneralOptions::RefillTests()
{
    FillTestList(*lvwTests, *ModuleGlobals::CurvePrefs(), SelectedKind());
    // A description longer than its share widens the column, and the list
    // scrolls sideways to show it whole.
    lvwTests->resizeColumnToContents(kDescriptionColumn);
    QHeaderView& header = *lvwTests->header();
    header.resizeSection(kDescriptionColumn, std::max(DescriptionShare(*lvwTests), header.sectionSize(kDescriptionColumn)));
}

void frmGeneralOptions::FollowFrequency(std::size_t index)
{
    const bool counted = chkFreq[index]->isChecked();
    if (!counted)
        chkFreqDbl[index]->setChecked(false);
    chkFreqDbl[index]->setEnabled(counted);
}

QTreeWidgetItem* frmGeneralOptions::SelectedRow() const
{
    const auto selected = lvwTests->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void frmGeneralOptions::cmdNew_Click()
{
    frmNewTest dialog(this);
    dialog.Mode(SelectedTabKey() == kTabs[kPureToneTab].key ? PrefType_PureTone : PrefType_Speech);
    dialog.LoadStrings();
    dialog.exec();
    if (!dialog.OKPressed)
        return;
    RefillTests();
    if (QTreeWidgetItem* last = lvwTests->topLevelItem(lvwTests->topLevelItemCount() - 1)) {
        lvwTests->setCurrentItem(last);
        lvwTests->scrollToItem(last);
    }
}

void frmGeneralOptions::cmdEdit_Click()
{
    QTreeWidgetItem* row = SelectedRow();
    if (!row)
        return;
    const auto test =
        ModuleGlobals::CurvePrefs()->ItemByCurveID(leadingWholeNumber(ListView::Tag(*row)).value_or(0));
    if (!test)
        return;
    frmTestProperties dialog(this);
    dialog.SpeechMode(SelectedTabKey() == kTabs[kSpeechTab].key);
    dialog.TestToEdit(test);
    dialog.ImageList(m_images);
    dialog.ShowTestDetails();
    dialog.AllowCommentEditing(false);
    dialog.exec();
    // The row shows the test's label, which the dialog may have changed.
    if (dialog.OKPressed)
        row->setText(kNotationColumn, QString::fromStdString(test->Label));
}

void frmGeneralOptions::cmdDelete_Click()
{
    const QTreeWidgetItem* row = SelectedRow();
    if (!row)
        return;
    CCurvePrefs& tests = *ModuleGlobals::CurvePrefs();
    const auto test = tests.ItemByCurveID(leadingWholeNumber(ListView::Tag(*row)).value_or(0));
    if (!test)
        return;
    tests.Remove(test->Key());
    m_testsDeleted = true;
    RefillTests();
}

void frmGeneralOptions::Apply()
{
    if (m_store) {
        SaveGeneralOptions();
        ModuleGlobals::CurvePrefs()->SaveToPreferences(*m_store);
    }
    emit ApplyButton(m_testsDeleted);
}

// Cancel and the close box: the tests as last stored.
void frmGeneralOptions::reject()
{
    if (m_store)
        ModuleGlobals::CurvePrefs()->LoadFromPreferences(*m_store);
    OKPressed = false;
    QDialog::reject();
}

void frmGeneralOptions::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kTabs[static_cast<std::size_t>(std::max(tabMain->currentIndex(), 0))].helpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brisance

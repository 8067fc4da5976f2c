#include "module/preferences/frmNewTest.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/panels/TwipsGeometry.h"
#include "module/preferences/FunctionsTAVOShouldImplement.h"

#include "platform/ui/MessageBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brisance {

namespace ui = platform::ui;

namespace {

// The layout, in twips: one row per field inside the frame, a caption and its box.
constexpr int kMargin = 120;
constexpr int kFrameWidth = 4560;
constexpr int kFirstRowTop = 360;
constexpr int kRowPitch = 420;
constexpr int kCaptionLeft = 180;
constexpr int kCaptionWidth = 1700;
constexpr int kCaptionHeight = 255;
constexpr int kBoxLeft = 1900;
constexpr int kBoxWidth = 2480;
constexpr int kBoxHeight = 315;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;

void placeRow(int row, QLabel* caption, QWidget* box)
{
    const int top = kFirstRowTop + row * kRowPitch;
    caption->setGeometry(twipsRect(kCaptionLeft, top + (kBoxHeight - kCaptionHeight) / 2, kCaptionWidth, kCaptionHeight));
    box->setGeometry(twipsRect(kBoxLeft, top, kBoxWidth, kBoxHeight));
}

std::int32_t ChosenCode(const QComboBox& combo)
{
    return combo.currentData().toInt();
}

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

}  // namespace

frmNewTest::frmNewTest(QWidget* parent) : QDialog(parent)
{
    fraNewTest = new QGroupBox(this);
    fraNewTest->setObjectName("fraNewTest");
    const auto caption = [this](const char* name) {
        auto* label = new QLabel(fraNewTest);
        label->setObjectName(name);
        return label;
    };
    const auto combo = [this](const char* name) {
        auto* box = new QComboBox(fraNewTest);
        box->setObjectName(name);
        return box;
    };
    lblNotation = caption("lblNotation");
    txtNotation = new QLineEdit(fraNewTest);
    txtNotation->setObjectName("txtNotation");
    lblTestType = caption("lblTestType");
    cboTestType = combo("cboTestType");
    lblTransducerType = caption("lblTransducerType");
    cboTransducer = combo("cboTransducer");
    lblAidedCondition = caption("lblAidedCondition");
    cboAidedCondition = combo("cboAidedCondition");
    lblWordList = caption("lblWordList");
    cboWordList = combo("cboWordList");

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName("cmdCancel");

    connect(cboTestType, &QComboBox::currentIndexChanged, this, [this] { cboTestType_Click(); });
    for (QComboBox* box : {cboTransducer, cboAidedCondition, cboWordList})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { UpdateOKState(); });
    connect(txtNotation, &QLineEdit::textChanged, this, [this] { UpdateOKState(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmNewTest::reject);

    // Pure tone until Mode says otherwise.
    lblWordList->hide();
    cboWordList->hide();
    LoadStrings();
    PlaceControls();
    UpdateOKState();
}

void frmNewTest::Mode(std::int32_t mode)
{
    m_mode = mode;
    FillCombos();
    PlaceControls();
}

void frmNewTest::LoadStrings()
{
    setWindowTitle(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(TR_ADD_TEST)));
    cmdOK->setText(Text(TR_OK));
    cmdCancel->setText(Text(TR_CANCEL));
    fraNewTest->setTitle(Text(TR_ADD_TEST));
    lblNotation->setText(Text(TR_NOTATION));
    lblTestType->setText(Text(TR_TEST_TYPE));
    lblTransducerType->setText(Text(TR_TRANSDUCER_TYPE));
    lblAidedCondition->setText(Text(TR_AIDED_CONDITION));
    lblWordList->setText(Text(TR_WORD_LIST));
}

void frmNewTest::reject()
{
    OKPressed = false;
    QDialog::reject();
}

void frmNewTest::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmNewTest::FillCombos()
{
    if (IsSpeech()) {
        FillSpeechTestTypes(*cboTestType);
        FillAidedConditions(*cboAidedCondition, 0);
        FillWordLists(*cboWordList);
    } else {
        FillPureToneTestTypes(*cboTestType);
    }
    const bool wordList = m_mode == PrefType_Speech;
    lblWordList->setVisible(wordList);
    cboWordList->setVisible(wordList);
}

// The word list comes last, so that a pure-tone dialog simply ends a row earlier.
void frmNewTest::PlaceControls()
{
    placeRow(0, lblNotation, txtNotation);
    placeRow(1, lblTestType, cboTestType);
    placeRow(2, lblTransducerType, cboTransducer);
    placeRow(3, lblAidedCondition, cboAidedCondition);
    placeRow(4, lblWordList, cboWordList);
    const int rows = cboWordList->isVisibleTo(this) ? 5 : 4;
    const int frameHeight = kFirstRowTop + rows * kRowPitch;
    fraNewTest->setGeometry(twipsRect(kMargin, kMargin, kFrameWidth, frameHeight));
    const int buttonTop = kMargin + frameHeight + kMargin;
    const int frameRight = kMargin + kFrameWidth;
    cmdCancel->setGeometry(twipsRect(frameRight - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(frameRight - 2 * kButtonWidth - kMargin, buttonTop, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, frameRight + kMargin, buttonTop + kButtonHeight + kMargin).size());
}

void frmNewTest::cboTestType_Click()
{
    if (cboTestType->currentIndex() < 0) {
        cboTransducer->clear();
        cboAidedCondition->clear();
        cboWordList->clear();
    } else if (IsSpeech()) {
        FillSpeechTransducers(*cboTransducer, ChosenCode(*cboTestType));
    } else {
        FillAidedConditions(*cboAidedCondition, ChosenCode(*cboTestType));
        FillPureToneTransducers(*cboTransducer, ChosenCode(*cboTestType));
    }
    UpdateOKState();
}

std::string frmNewTest::BuildKey() const
{
    if (IsSpeech())
        return BuildNotation4(*cboTestType, *cboTransducer, *cboWordList, *cboAidedCondition);
    return BuildNotation3(*cboTestType, *cboTransducer, *cboAidedCondition);
}

void frmNewTest::UpdateOKState()
{
    cmdOK->setEnabled(!BuildKey().empty() && !txtNotation->text().isEmpty());
}

void frmNewTest::cmdOK_Click()
{
    const std::string key = BuildKey();
    if (key.empty())
        return;
    CCurvePrefs& tests = *ModuleGlobals::CurvePrefs();
    if (tests.ItemExist(key)) {
        ui::messageBox(this, "This type of test already exist, cannot create another of the same type",
                       ProgramTitle(*ModuleGlobals::UiTextLoader()), ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    const auto test = tests.Add(key);
    test->Label = txtNotation->text().toStdString();
    test->Condition = ConditionFromAidedCode(ChosenCode(*cboAidedCondition));
    if (IsSpeech()) {
        test->TestType = SpeechCurveID(ChosenCode(*cboTestType), ChosenCode(*cboTransducer));
        test->WordList = ChosenCode(*cboWordList);
    } else {
        test->TestType = PureToneCurveID(ChosenCode(*cboTestType), ChosenCode(*cboTransducer));
    }
    test->PrefType = static_cast<CurvePrefType>(m_mode);
    OKPressed = true;
    accept();
}

}  // namespace brisance

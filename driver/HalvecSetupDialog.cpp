#include "driver/HalvecSetupDialog.h"

#include "driver/DialogText.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QVBoxLayout>

namespace marlet {

namespace {

constexpr int kCaption = 5300;
constexpr int kTransfersText = 5301;
constexpr int kSinglePointText = 5302;
constexpr int kEntireCurveText = 5303;
constexpr int kCurvesText = 5304;
constexpr int kPhonesText = 5305;
constexpr int kSoundFieldText = 5306;
constexpr int kAlwaysAskText = 5307;

QGroupBox* radioGroup(const TextTable& texts, int textId, QRadioButton* first, QRadioButton* second)
{
    auto* group = new QGroupBox(dialogText(texts, textId));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

}  // namespace

HalvecSetupDialog::HalvecSetupDialog(const TextTable& texts, const ModelSettings& settings, QWidget* parent)
    : AdvancedSetupDialog(parent)
{
    setWindowTitle(dialogText(texts, kCaption));
    m_singlePoint = textButton<QRadioButton>(texts, kSinglePointText, "SinglePoint");
    m_entireCurve = textButton<QRadioButton>(texts, kEntireCurveText, "EntireCurve");
    m_phones = textButton<QRadioButton>(texts, kPhonesText, "PhonesInsert");
    m_soundField = textButton<QRadioButton>(texts, kSoundFieldText, "SoundField");
    m_alwaysAsk = textButton<QCheckBox>(texts, kAlwaysAskText, "AlwaysAsk");

    const bool entireCurve = settings.mclUclTransfer == "Entire Curve";
    m_entireCurve->setChecked(entireCurve);
    m_singlePoint->setChecked(!entireCurve);
    const bool soundField = settings.acCurve == "Free Field Speakers";
    m_soundField->setChecked(soundField);
    m_phones->setChecked(!soundField);
    m_alwaysAsk->setChecked(settings.acCurveAsk == "YES");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(radioGroup(texts, kTransfersText, m_singlePoint, m_entireCurve));
    auto* curves = radioGroup(texts, kCurvesText, m_phones, m_soundField);
    curves->layout()->addWidget(m_alwaysAsk);
    layout->addWidget(curves);
    addButtons(texts);
}

void HalvecSetupDialog::store(ModelSettings& settings) const
{
    settings.mclUclTransfer = m_entireCurve->isChecked() ? "Entire Curve" : "Single Point";
    settings.acCurve = m_soundField->isChecked() ? "Free Field Speakers" : "Phones/Insert";
    settings.acCurveAsk = m_alwaysAsk->isChecked() ? "YES" : "NO";
}

}  // namespace marlet

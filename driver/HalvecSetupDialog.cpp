#include "driver/HalvecSetupDialog.h"

#include "driver/DialogText.h"
#include "driver/TextIds.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QVBoxLayout>

namespace marlet {

namespace {

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
    setWindowTitle(dialogText(texts, TextHalvecCaption));
    m_singlePoint = textButton<QRadioButton>(texts, TextSinglePoint, "SinglePoint");
    m_entireCurve = textButton<QRadioButton>(texts, TextEntireCurve, "EntireCurve");
    m_phones = textButton<QRadioButton>(texts, TextPhonesInsert, "PhonesInsert");
    m_soundField = textButton<QRadioButton>(texts, TextSoundField, "SoundField");
    m_alwaysAsk = textButton<QCheckBox>(texts, TextAlwaysAsk, "AlwaysAsk");

    const bool entireCurve = settings.mclUclTransfer == "Entire Curve";
    m_entireCurve->setChecked(entireCurve);
    m_singlePoint->setChecked(!entireCurve);
    const bool soundField = settings.acCurve == "Free Field Speakers";
    m_soundField->setChecked(soundField);
    m_phones->setChecked(!soundField);
    m_alwaysAsk->setChecked(settings.acCurveAsk == "YES");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(radioGroup(texts, TextTransfers, m_singlePoint, m_entireCurve));
    auto* curves = radioGroup(texts, TextMultipleCurves, m_phones, m_soundField);
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

#include "driver/PickCurveDialog.h"

#include "driver/DialogButtons.h"
#include "driver/DialogText.h"
#include "driver/TextIds.h"

#include <QLabel>
#include <QVBoxLayout>

namespace marlet {

PickCurveDialog::PickCurveDialog(const TextTable& texts, const ModelSettings& settings, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(dialogText(texts, TextPickCurveCaption));
    m_phones = textButton<QRadioButton>(texts, TextPhonesInsert, "PhonesInsert");
    m_soundField = textButton<QRadioButton>(texts, TextSoundField, "SoundField");
    m_alwaysAsk = textButton<QCheckBox>(texts, TextAlwaysAsk, "AlwaysAsk");
    const bool soundField = presetChoice(settings) == CurveChoice::SoundField;
    m_soundField->setChecked(soundField);
    m_phones->setChecked(!soundField);
    m_alwaysAsk->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(dialogText(texts, TextPickCurveQuestion)));
    layout->addWidget(m_phones);
    layout->addWidget(m_soundField);
    layout->addWidget(m_alwaysAsk);
    layout->addWidget(okCancelButtons(*this, texts));
}

CurveChoice PickCurveDialog::choice() const
{
    return m_soundField->isChecked() ? CurveChoice::SoundField : CurveChoice::Air;
}

void PickCurveDialog::store(ModelSettings& settings) const
{
    settings.acCurveLast = choice() == CurveChoice::SoundField ? "Free Field Speakers" : "Phones/Insert";
    if (!m_alwaysAsk->isChecked())
        settings.acCurveAsk = "NO";
}

}  // namespace marlet

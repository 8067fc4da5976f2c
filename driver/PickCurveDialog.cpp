#include "driver/PickCurveDialog.h"

#include "driver/DialogButtons.h"
#include "driver/DialogText.h"

#include <QLabel>
#include <QVBoxLayout>

namespace marlet {

namespace {

constexpr int kCaption = 5320;
constexpr int kQuestionText = 5321;
constexpr int kPhonesText = 5305;
constexpr int kSoundFieldText = 5306;
constexpr int kAlwaysAskText = 5307;

}  // namespace

PickCurveDialog::PickCurveDialog(const TextTable& texts, const ModelSettings& settings, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(dialogText(texts, kCaption));
    m_phones = textButton<QRadioButton>(texts, kPhonesText, "PhonesInsert");
    m_soundField = textButton<QRadioButton>(texts, kSoundFieldText, "SoundField");
    m_alwaysAsk = textButton<QCheckBox>(texts, kAlwaysAskText, "AlwaysAsk");
    const bool soundField = presetChoice(settings) == CurveChoice::SoundField;
    m_soundField->setChecked(soundField);
    m_phones->setChecked(!soundField);
    m_alwaysAsk->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(dialogText(texts, kQuestionText)));
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

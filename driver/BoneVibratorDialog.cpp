#include "driver/BoneVibratorDialog.h"

#include "driver/DialogText.h"
#include "driver/TextIds.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace marlet {

BoneVibratorDialog::BoneVibratorDialog(const TextTable& texts, const ModelSettings& settings, QWidget* parent)
    : AdvancedSetupDialog(parent)
{
    setWindowTitle(dialogText(texts, TextBoneVibratorCaption));
    auto* group = new QGroupBox(dialogText(texts, TextBoneVibratorPosition));
    auto* groupLayout = new QVBoxLayout(group);
    m_forehead = textButton<QRadioButton>(texts, TextForehead, "Forehead");
    m_mastoid = textButton<QRadioButton>(texts, TextMastoid, "Mastoid");
    groupLayout->addWidget(m_forehead);
    groupLayout->addWidget(m_mastoid);
    m_forehead->setChecked(settings.boneVibratorCalibration == "Forehead");
    m_mastoid->setChecked(settings.boneVibratorCalibration == "Mastoid");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    addButtons(texts);
}

void BoneVibratorDialog::store(ModelSettings& settings) const
{
    settings.boneVibratorCalibration = m_forehead->isChecked() ? "Forehead"
                                       : m_mastoid->isChecked() ? "Mastoid"
                                                                : "Unknown";
}

}  // namespace marlet

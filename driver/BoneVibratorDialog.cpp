#include "driver/BoneVibratorDialog.h"

#include "driver/DialogText.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace marlet {

namespace {

constexpr int kCaption = 5200;
constexpr int kPositionText = 5201;
constexpr int kForeheadText = 5202;
constexpr int kMastoidText = 5203;

}  // namespace

BoneVibratorDialog::BoneVibratorDialog(const TextTable& texts, const ModelSettings& settings, QWidget* parent)
    : AdvancedSetupDialog(parent)
{
    setWindowTitle(dialogText(texts, kCaption));
    auto* group = new QGroupBox(dialogText(texts, kPositionText));
    auto* groupLayout = new QVBoxLayout(group);
    m_forehead = textButton<QRadioButton>(texts, kForeheadText, "Forehead");
    m_mastoid = textButton<QRadioButton>(texts, kMastoidText, "Mastoid");
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

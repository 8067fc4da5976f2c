#pragma once
// Advanced set-up of a Halvec audiometer: whether MCL and UCL come as single
// points or whole curves ("SinglePoint", "EntireCurve"), which AC curve a
// transfer with both keeps ("PhonesInsert", "SoundField"), and whether to ask
// each time ("AlwaysAsk").

#include "driver/AdvancedSetupDialog.h"

class QCheckBox;
class QRadioButton;

namespace marlet {

class HalvecSetupDialog : public AdvancedSetupDialog {
public:
    HalvecSetupDialog(const TextTable& texts, const ModelSettings& settings, QWidget* parent);
    void store(ModelSettings& settings) const override;

private:
    QRadioButton* m_singlePoint = nullptr;
    QRadioButton* m_entireCurve = nullptr;
    QRadioButton* m_phones = nullptr;
    QRadioButton* m_soundField = nullptr;
    QCheckBox* m_alwaysAsk = nullptr;
};

}  // namespace marlet

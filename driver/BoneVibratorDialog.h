#pragma once
// Advanced set-up of a Tessil or Dunmor audiometer: where its bone vibrator
// sits. Radio buttons "Forehead" and "Mastoid" (object names alike); with
// neither chosen the position is "Unknown".

#include "driver/AdvancedSetupDialog.h"

class QRadioButton;

namespace marlet {

class BoneVibratorDialog : public AdvancedSetupDialog {
public:
    BoneVibratorDialog(const TextTable& texts, const ModelSettings& settings, QWidget* parent);
    void store(ModelSettings& settings) const override;

private:
    QRadioButton* m_forehead = nullptr;
    QRadioButton* m_mastoid = nullptr;
};

}  // namespace marlet

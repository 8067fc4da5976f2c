#pragma once
// "Pick AC Curve": a transfer brought both an air-conduction and a
// sound-field curve; the user picks the one to keep ("PhonesInsert",
// "SoundField", preset from the last choice) and may stop being asked
// ("AlwaysAsk", preset checked).

#include "driver/CurveQuestion.h"
#include "driver/Settings.h"
#include "driver/TextTable.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace marlet {

class PickCurveDialog : public QDialog {
public:
    PickCurveDialog(const TextTable& texts, const ModelSettings& settings, QWidget* parent);

    CurveChoice choice() const;
    // After OK: the choice becomes ACCurveLast, and a cleared "Always Ask"
    // sets ACCurveAsk to "NO".
    void store(ModelSettings& settings) const;

private:
    QRadioButton* m_phones = nullptr;
    QRadioButton* m_soundField = nullptr;
    QCheckBox* m_alwaysAsk = nullptr;
};

}  // namespace marlet

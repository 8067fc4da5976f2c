#pragma once
// The option page of the rows of a view's test-data table: stimulus, masking
// and test conditions, and for the speech view also noise and score, as one
// mask under "PTTestDataRows" or, in speech mode, "SPTestDataRows". The boxes
// that a mode hides keep the bits they loaded. F1: help context 119.

#include "module/preferences/OptionPage.h"

#include <vector>

namespace brisance {

class frmPrefTestData : public OptionPage {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 119;

    frmPrefTestData();

    bool SpeechMode() const { return m_speechMode; }
    // Shows the speech rows' boxes or hides them, and arranges the boxes.
    void SpeechMode(bool speech);

    void LoadPreferences() override;
    // Writes the ticked boxes, hidden ones included, under the mode's key.
    void UpdatePreferences();

protected:
    void SavePreferences() override { UpdatePreferences(); }

private:
    void ArrangeCheckBoxes();
    const char* Key() const;
    // The boxes by bit: stimulus, masking, test conditions, noise, score.
    std::vector<QCheckBox*> Boxes() const;

    bool m_speechMode = false;
    QGroupBox* fraMain;
    QCheckBox* chkStimulus;
    QCheckBox* chkMasking;
    QCheckBox* chkTestConditions;
    QCheckBox* chkNoise;
    QCheckBox* chkScore;
};

}  // namespace brisance

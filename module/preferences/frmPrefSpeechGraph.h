#pragma once
// The option page of the speech chart of a profile: the underlay template,
// how the speech reception threshold is drawn, the connection lines, the
// level range and three label options, as one mask under "SPGraphOptions".
// F1: help context 107.

#include "module/preferences/OptionPage.h"

#include <vector>

namespace brisance {

class frmPrefSpeechGraph : public OptionPage {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 107;

    frmPrefSpeechGraph();

    void LoadPreferences() override;

protected:
    void SavePreferences() override;

private:
    std::vector<QRadioButton*> optUnderlay;
    std::vector<QRadioButton*> optSRT;
    std::vector<QRadioButton*> optLineStyle;
    std::vector<QRadioButton*> optXRange;
    QCheckBox* chkDisplaydBLevels;
    QCheckBox* chkDisplayTextLabels;
    QCheckBox* chkDisplayLabelsOnRight;
};

}  // namespace brisance

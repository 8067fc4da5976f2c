#pragma once
// The option page of the pure-tone charts of a profile: one chart or one per
// ear ("PTOneGraph"), and the underlay, frequency range, connection lines,
// inter-octave grid lines, label position, level range, grid spacing and axis
// labels as one mask ("PTGraphOptions"). Its severity button opens the
// severity-of-loss page while that underlay is chosen. F1: help context 108.

#include "module/preferences/OptionPage.h"

#include <vector>

namespace brisance {

class frmPrefPureToneGraph : public OptionPage {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 108;

    frmPrefPureToneGraph();

    void LoadPreferences() override;

protected:
    void SavePreferences() override;

private:
    void cmdConfigSeverityOfLoss_Click();

    std::vector<QRadioButton*> optGraphView;
    std::vector<QRadioButton*> optUnderlay;
    QPushButton* cmdConfigSeverityOfLoss;
    std::vector<QRadioButton*> optLineStyle;
    std::vector<QRadioButton*> optXRange;
    std::vector<QRadioButton*> optInteroctiveLineStyle;
    std::vector<QRadioButton*> optXAxisLabel;
    std::vector<QRadioButton*> optYAxisRange;
    std::vector<QRadioButton*> optGridWidth;
    QCheckBox* chkDisplayAxes;
};

}  // namespace brisance

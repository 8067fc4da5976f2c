#pragma once
// The option page of the severity-of-loss underlay of a profile: which of the
// seven hearing-loss bands it shows ("SeverityOfLossConfig", a mask), and the
// low and high limit of each band ("SeverityOfLossLows",
// "SeverityOfLossHighs": free texts in band order, joined by ","). A band's
// limits can be typed while the band is ticked; a limit takes no ",", which
// would split it in two. F1: help context 106.

#include "module/preferences/OptionPage.h"

#include <cstddef>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;

namespace brisance {

class frmPrefSeverityOfLoss : public OptionPage {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 106;
    static constexpr int kBands = 7;

    frmPrefSeverityOfLoss();

    void LoadPreferences() override;

protected:
    void SavePreferences() override;

private:
    void chkSeverity_Click(std::size_t index);

    QLabel* lblInstructions;
    QLabel* lblLow;
    QLabel* lblHigh;
    std::vector<QCheckBox*> chkSeverity = std::vector<QCheckBox*>(kBands);
    std::vector<QLineEdit*> txtLow = std::vector<QLineEdit*>(kBands);
    std::vector<QLineEdit*> txtHigh = std::vector<QLineEdit*>(kBands);
    std::vector<QFrame*> shpColor = std::vector<QFrame*>(kBands);
};

}  // namespace brisance

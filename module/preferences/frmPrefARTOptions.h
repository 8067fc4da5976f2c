#pragma once
// The option page of the acoustic-reflex table of a profile: at which stimuli
// a reflex threshold is recorded, and at which of those a reflex decay too.
// Mode 0 is the ipsilateral reflex (keys "IARTPoints", "IARTDecay"), mode 1
// the contralateral one ("CARTPoints", "CARTDecay"); each key is a mask of the
// stimuli by index. A decay can be chosen only where a threshold is: unticking
// a threshold unticks and disables its decay. F1: help context 121.

#include "module/preferences/OptionPage.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brisance {

class frmPrefARTOptions : public OptionPage {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 121;
    static constexpr int kStimuli = 9;

    frmPrefARTOptions();

    std::int32_t Mode() const { return m_mode; }
    void Mode(std::int32_t mode) { m_mode = mode; }

    void LoadPreferences() override;

protected:
    void SavePreferences() override;

private:
    std::string Prefix() const;
    void chkART_Click(std::size_t index);

    std::int32_t m_mode = 0;
    QGroupBox* fraRecordAt;
    QGroupBox* fraRecordDecayAt;
    std::vector<QCheckBox*> chkART = std::vector<QCheckBox*>(kStimuli);
    std::vector<QCheckBox*> chkARTDecay = std::vector<QCheckBox*>(kStimuli);
};

}  // namespace brisance

#pragma once
// The option page of the tympanometry panel of a profile: pressure in mmH2O
// or daPa ("TympPressure"), volume in cc or ml ("TympVolume"), gradient by
// formula A or B ("TympGradient"); each key is True for the first choice.
// F1: help context 120.

#include "module/preferences/OptionPage.h"

#include <vector>

namespace brisance {

class frmPrefTympOptions : public OptionPage {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 120;

    frmPrefTympOptions();

    void LoadPreferences() override;

protected:
    void SavePreferences() override;

private:
    // The three groups with their keys, in the order they are read and written.
    struct Choice {
        const char* key;
        std::vector<QRadioButton*>* options;
    };
    std::vector<Choice> Choices();

    std::vector<QRadioButton*> optPressure;
    std::vector<QRadioButton*> optVolume;
    std::vector<QRadioButton*> optGradient;
};

}  // namespace brisance

#include "module/preferences/frmPrefTympOptions.h"

#include "module/core/PreferenceValues.h"
#include "module/preferences/OptionButtons.h"

#include <QRadioButton>

namespace brisance {

namespace {

// The layout, in twips: the three frames in a column.
constexpr int kMargin = 120;
constexpr int kFrameWidth = 3000;

}  // namespace

frmPrefTympOptions::frmPrefTympOptions() : OptionPage(kHelpContext, TR_TYMPANOGRAM_OPTIONS)
{
    int top = kMargin;
    optPressure = AddOptions(AddFrameInColumn(top, kMargin, kFrameWidth, "fraPressure", TR_PRESSURE, 2),
                             "optPressure", {TR_MMH20, TR_DAPA});
    optVolume = AddOptions(AddFrameInColumn(top, kMargin, kFrameWidth, "fraVolume", TR_VOLUME, 2), "optVolume",
                           {TR_CC, TR_ML});
    optGradient = AddOptions(AddFrameInColumn(top, kMargin, kFrameWidth, "fraGradient", TR_GRADIENT, 2),
                             "optGradient", {TR_FORMULA_A, TR_FORMULA_B});
    PlaceButtons(kMargin + kFrameWidth, top + kMargin);
}

std::vector<frmPrefTympOptions::Choice> frmPrefTympOptions::Choices()
{
    return {{"TympPressure", &optPressure}, {"TympVolume", &optVolume}, {"TympGradient", &optGradient}};
}

void frmPrefTympOptions::LoadPreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    for (const Choice& choice : Choices())
        SelectOption(*choice.options, PreferenceFlag(store, choice.key) ? 0 : 1);
}

void frmPrefTympOptions::SavePreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    for (const Choice& choice : Choices())
        store.put_Value(choice.key, SelectedOption(*choice.options) == 0);
}

}  // namespace brisance

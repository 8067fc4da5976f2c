#include "module/preferences/frmPrefARTOptions.h"

#include "module/core/PreferenceValues.h"
#include "module/preferences/CheckBoxMasks.h"

#include <QCheckBox>
#include <QGroupBox>

namespace brisance {

namespace {

// The stimuli by index: the tones by their fixed captions, then the noise
// bands by the language's texts.
constexpr int kTones = 6;
constexpr const char* kToneCaptions[kTones] = {"250", "500", "1K", "2K", "4K", "6K"};
constexpr TextResources kNoiseCaptions[frmPrefARTOptions::kStimuli - kTones] = {TR_BBN, TR_LBN, TR_HBN};

// The layout, in twips: the two frames side by side, a box a row.
constexpr int kMargin = 120;
constexpr int kFrameWidth = 2400;
constexpr int kBoxWidth = kFrameWidth - 2 * kMargin;

}  // namespace

frmPrefARTOptions::frmPrefARTOptions() : OptionPage(kHelpContext, TR_ACOUSTIC_REFLEX_OPTIONS)
{
    int leftTop = kMargin;
    int rightTop = kMargin;
    fraRecordAt = AddFrameInColumn(leftTop, kMargin, kFrameWidth, "fraRecordAt", TR_RECORD_AT, kStimuli);
    fraRecordDecayAt = AddFrameInColumn(rightTop, 2 * kMargin + kFrameWidth, kFrameWidth, "fraRecordDecayAt",
                                        TR_RECORD_DECAY_AT, kStimuli);
    for (std::size_t i = 0; i < chkART.size(); ++i) {
        const int row = static_cast<int>(i);
        const QString caption = row < kTones ? QString::fromLatin1(kToneCaptions[i]) : Text(kNoiseCaptions[row - kTones]);
        chkART[i] = AddCheckBox(fraRecordAt, QStringLiteral("chkART%1").arg(row), caption, kMargin, RowTop(row), kBoxWidth);
        chkARTDecay[i] = AddCheckBox(fraRecordDecayAt, QStringLiteral("chkARTDecay%1").arg(row), caption, kMargin,
                                     RowTop(row), kBoxWidth);
        connect(chkART[i], &QCheckBox::stateChanged, this, [this, i] { chkART_Click(i); });
        chkART_Click(i);
    }
    PlaceButtons(2 * kMargin + 2 * kFrameWidth, leftTop + kMargin);
}

std::string frmPrefARTOptions::Prefix() const
{
    return m_mode == 0 ? "IART" : "CART";
}

void frmPrefARTOptions::LoadPreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    MaskToCheckBoxes(chkART, PreferenceNumber(store, Prefix() + "Points"));
    MaskToCheckBoxes(chkARTDecay, PreferenceNumber(store, Prefix() + "Decay"));
    // A stored decay without its threshold opens as a click on the threshold
    // would leave it: unticked and disabled.
    for (std::size_t i = 0; i < chkART.size(); ++i)
        chkART_Click(i);
}

void frmPrefARTOptions::SavePreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    store.put_Value(Prefix() + "Points", CheckBoxesToMask(chkART));
    store.put_Value(Prefix() + "Decay", CheckBoxesToMask(chkARTDecay));
}

void frmPrefARTOptions::chkART_Click(std::size_t index)
{
    const bool recorded = chkART[index]->checkState() == Qt::Checked;
    if (!recorded)
        chkARTDecay[index]->setChecked(false);
    chkARTDecay[index]->setEnabled(recorded);
}

}  // namespace brisance

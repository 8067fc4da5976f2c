#include "module/preferences/frmPrefTestData.h"

#include "module/core/PreferenceValues.h"
#include "module/panels/TwipsGeometry.h"
#include "module/preferences/CheckBoxMasks.h"

#include <QCheckBox>
#include <QGroupBox>

namespace brisance {

namespace {

// The layout, in twips: the boxes down the frame, 240 apart, in the mode's order.
constexpr int kMargin = 120;
constexpr int kFrameWidth = 3600;
constexpr int kFrameHeight = 1680;
constexpr int kFirstRowTop = 300;
constexpr int kRowPitch = 240;
constexpr int kBoxWidth = kFrameWidth - 2 * kMargin;

}  // namespace

frmPrefTestData::frmPrefTestData() : OptionPage(kHelpContext, TR_TEST_DATA_TABLE_OPTIONS)
{
    fraMain = AddFrame("fraMain", TR_TEST_DATA_ROWS_TO_DISPLAY, kMargin, kMargin, kFrameWidth, kFrameHeight);
    const auto box = [this](const char* name, TextResources caption) {
        return AddCheckBox(fraMain, name, Text(caption), kMargin, kFirstRowTop, kBoxWidth);
    };
    chkScore = box("chkScore", TR_PCT_SCORE);
    chkStimulus = box("chkStimulus", TR_STIMULUS);
    chkMasking = box("chkMasking", TR_MASKING);
    chkNoise = box("chkNoise", TR_NOISE);
    chkTestConditions = box("chkTestConditions", TR_TEST_CONDITIONS);
    PlaceButtons(kMargin + kFrameWidth, kMargin + kFrameHeight + kMargin);
    SpeechMode(false);
}

void frmPrefTestData::SpeechMode(bool speech)
{
    m_speechMode = speech;
    chkScore->setVisible(speech);
    chkNoise->setVisible(speech);
    ArrangeCheckBoxes();
}

void frmPrefTestData::ArrangeCheckBoxes()
{
    const std::vector<QCheckBox*> order = m_speechMode
        ? std::vector<QCheckBox*>{chkScore, chkStimulus, chkMasking, chkNoise, chkTestConditions}
        : std::vector<QCheckBox*>{chkStimulus, chkMasking, chkTestConditions};
    int top = kFirstRowTop;
    for (QCheckBox* box : order) {
        box->move(twipsRect(kMargin, top, 0, 0).topLeft());
        top += kRowPitch;
    }
}

const char* frmPrefTestData::Key() const
{
    return m_speechMode ? "SPTestDataRows" : "PTTestDataRows";
}

std::vector<QCheckBox*> frmPrefTestData::Boxes() const
{
    return {chkStimulus, chkMasking, chkTestConditions, chkNoise, chkScore};
}

void frmPrefTestData::LoadPreferences()
{
    MaskToCheckBoxes(Boxes(), PreferenceNumber(Store(), Key()));
}

void frmPrefTestData::UpdatePreferences()
{
    Store().put_Value(Key(), CheckBoxesToMask(Boxes()));
}

}  // namespace brisance

#include "module/preferences/frmPrefSpeechGraph.h"

#include "module/core/PreferenceValues.h"
#include "module/preferences/OptionButtons.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include <algorithm>
#include <cstdint>

namespace brisance {

namespace {

constexpr const char* kGraphOptionsKey = "SPGraphOptions";

// The bits of "SPGraphOptions" by option index. The underlay templates are
// not in option order: none 2, A 1024, B 512, C 128, D 256.
constexpr std::int32_t kUnderlayBits[] = {2, 1024, 512, 128, 256};
constexpr std::int32_t kSRTBits[] = {1};
constexpr std::int32_t kXRangeBits[] = {32};
constexpr std::int32_t kLineStyleBits[] = {64};
constexpr std::int32_t kDBLevelsBit = 4;
constexpr std::int32_t kTextLabelsBit = 8;
constexpr std::int32_t kLabelsOnRightBit = 16;

// The layout, in twips: two columns of frames.
constexpr int kMargin = 120;
constexpr int kColumnWidth = 3600;

}  // namespace

frmPrefSpeechGraph::frmPrefSpeechGraph() : OptionPage(kHelpContext, TR_SPEECH_GRAPH_OPTIONS)
{
    const int left = kMargin;
    const int right = 2 * kMargin + kColumnWidth;
    const auto frame = [this](int& columnTop, int columnLeft, const char* name, TextResources caption, int rows) {
        return AddFrameInColumn(columnTop, columnLeft, kColumnWidth, name, caption, rows);
    };

    int top = kMargin;
    QGroupBox* fraGeneral = frame(top, left, "fraGeneral", TR_GEN_OPTIONS, 3);
    const auto box = [this, fraGeneral](const char* name, TextResources caption, int row) {
        return AddCheckBox(fraGeneral, name, Text(caption), kMargin, RowTop(row), kColumnWidth - 2 * kMargin);
    };
    chkDisplaydBLevels = box("chkDisplaydBLevels", TR_DISPLAY_DB_LEVELS_AT_50PCT, 0);
    chkDisplayTextLabels = box("chkDisplayTextLabels", TR_DISPLAY_X_AND_Y_AXES_LABELS, 1);
    chkDisplayLabelsOnRight = box("chkDisplayLabelsOnRight", TR_DISPLAY_PCT_LABELS, 2);
    optUnderlay = AddOptions(frame(top, left, "fraUnderlay", TR_UNDERLAY_TEMPLATE, 5), "optUnderlay",
                             {TR_NONE, TR_TEMPLATE_A, TR_TEMPLATE_B, TR_TEMPLATE_C, TR_TEMPLATE_D});
    const int leftBottom = top;

    top = kMargin;
    optSRT = AddOptions(frame(top, right, "fraSRT", TR_SRT_DISPLAY, 2), "optSRT", {TR_SINGLE_POINT_AT_50PCT, TR_CURVE});
    optLineStyle = AddOptions(frame(top, right, "fraLines", TR_CONNECTION_LINES, 2), "optLineStyle",
                              {TR_DASHES_BETWEEN_SYMBOLS, TR_CONTINUOUS_LINES});
    optXRange = AddOptions(frame(top, right, "fraAxis", TR_XAXIS_RANGE, 2), "optXRange",
                           {TR_0_DB_TO_120_DB, TR_0_DB_TO_130_DB});

    PlaceButtons(right + kColumnWidth, std::max(top, leftBottom) + kMargin);
}

void frmPrefSpeechGraph::LoadPreferences()
{
    const std::int32_t m = PreferenceNumber(Store(), kGraphOptionsKey);
    chkDisplayLabelsOnRight->setChecked(m & kLabelsOnRightBit);
    chkDisplayTextLabels->setChecked(m & kTextLabelsBit);
    chkDisplaydBLevels->setChecked(m & kDBLevelsBit);
    SelectOptionByMask(optUnderlay, kUnderlayBits, m);
    SelectOptionByMask(optSRT, kSRTBits, m, 1);
    SelectOptionByMask(optLineStyle, kLineStyleBits, m, 1);
    SelectOptionByMask(optXRange, kXRangeBits, m, 1);
}

void frmPrefSpeechGraph::SavePreferences()
{
    const auto ticked = [](const QCheckBox* box, std::int32_t bit) {
        return box->checkState() == Qt::Checked ? bit : 0;
    };
    std::int32_t m = ticked(chkDisplayLabelsOnRight, kLabelsOnRightBit);
    m += ticked(chkDisplayTextLabels, kTextLabelsBit);
    m += ticked(chkDisplaydBLevels, kDBLevelsBit);
    m += MaskOfSelectedOption(optUnderlay, kUnderlayBits);
    m += MaskOfSelectedOption(optSRT, kSRTBits);
    m += MaskOfSelectedOption(optLineStyle, kLineStyleBits);
    m += MaskOfSelectedOption(optXRange, kXRangeBits);
    Store().put_Value(kGraphOptionsKey, m);
}

}  // namespace brisance

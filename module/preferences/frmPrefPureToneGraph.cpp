#include "module/preferences/frmPrefPureToneGraph.h"

#include "module/core/PreferenceValues.h"
#include "module/panels/TwipsGeometry.h"
#include "module/preferences/OptionButtons.h"
#include "module/preferences/frmPrefSeverityOfLoss.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdint>

namespace brisance {

namespace {

constexpr const char* kOneGraphKey = "PTOneGraph";
constexpr const char* kGraphOptionsKey = "PTGraphOptions";

// The bits of "PTGraphOptions" by option index; a group's last option of two
// (or the "none" option) clears them.
constexpr std::int32_t kUnderlayBits[] = {1, 2, 4, 8, 16};
constexpr std::int32_t kXRangeBits[] = {32};
constexpr std::int32_t kLineStyleBits[] = {64};
constexpr std::int32_t kInteroctaveBits[] = {128, 8192};
constexpr std::int32_t kXAxisLabelBits[] = {256};
constexpr std::int32_t kYAxisRangeBits[] = {512};
constexpr std::int32_t kGridWidthBits[] = {1024};
constexpr std::int32_t kDisplayAxesBit = 4096;
constexpr int kNoInteroctaveLines = 2;

// The layout, in twips: two columns of frames.
constexpr int kMargin = 120;
constexpr int kColumnWidth = 3300;
constexpr int kButtonHeight = 375;
constexpr int kSeverityButtonWidth = 2400;

}  // namespace

frmPrefPureToneGraph::frmPrefPureToneGraph() : OptionPage(kHelpContext, TR_GRAPH_OPTIONS)
{
    const int left = kMargin;
    const int right = 2 * kMargin + kColumnWidth;
    int top = kMargin;
    const auto frame = [this](int& columnTop, int columnLeft, const char* name, TextResources caption, int rows,
                              int extra = 0) {
        return AddFrameInColumn(columnTop, columnLeft, kColumnWidth, name, caption, rows, extra);
    };

    optGraphView = AddOptions(frame(top, left, "fraGraphMode", TR_GRAPH_MODE, 2), "optGraphView",
                              {TR_SEP_GRAPHS, TR_SINGLE_GRAPH});
    QGroupBox* fraUnderlayTemplate =
        frame(top, left, "fraUnderlayTemplate", TR_UNDERLAY_TEMPLATE, 5, kButtonHeight + kMargin);
    optUnderlay = AddOptions(fraUnderlayTemplate, "optUnderlay",
                             {TR_SEVERITY_OF_LOSS, TR_SPEECH_SPECTRUM, TR_AUDIBILITY_INDEX_DOTS, TR_NORTHERN_DOWNS, TR_NONE});
    cmdConfigSeverityOfLoss = new QPushButton(Text(TR_CONFIGURE_SEVERITY), fraUnderlayTemplate);
    cmdConfigSeverityOfLoss->setObjectName("cmdConfigSeverityOfLoss");
    cmdConfigSeverityOfLoss->setGeometry(
        twipsRect(2 * kMargin, RowTop(5), kSeverityButtonWidth, kButtonHeight));
    cmdConfigSeverityOfLoss->setEnabled(false);
    optLineStyle = AddOptions(frame(top, left, "fraConnectionLines", TR_CONNECTION_LINES, 2),
                              "optLineStyle", {TR_DASHES_BETWEEN_SYMBOLS, TR_CONTINUOUS_LINES});
    QGroupBox* fraGeneral = frame(top, left, "fraGeneral", TR_GENERAL, 1);
    chkDisplayAxes = AddCheckBox(fraGeneral, "chkDisplayAxes", Text(TR_DISPLAY_X_AND_Y_AXES_LABELS), kMargin, RowTop(0),
                                 kColumnWidth - 2 * kMargin);
    const int leftBottom = top;

    top = kMargin;
    optXRange = AddOptions(frame(top, right, "fraXaxisRange", TR_XAXIS_RANGE, 2), "optXRange",
                           {TR_125_HZ_TO_8_KHZ, TR_125_HZ_TO_16_KHZ});
    optInteroctiveLineStyle =
        AddOptions(frame(top, right, "fraInteroctive", TR_INTEROCTAVE_GRIDLINE_STYLE, 3),
                   "optInteroctiveLineStyle", {TR_SOLID_LINE, TR_DASHED_LINE, TR_NONE});
    optXAxisLabel = AddOptions(frame(top, right, "fraXaxisLabel", TR_XAXIS_LABEL_POSITION, 2),
                               "optXAxisLabel", {TR_ABOVE_AUDIOGRAM, TR_BELOW_AUDIOGRAM});
    optYAxisRange = AddOptions(frame(top, right, "fraYaxisRange", TR_YAXIS_RANGE, 2), "optYAxisRange",
                               {TR_10_DB_TO_120_DB, TR_10_DB_TO_130_DB});
    optGridWidth = AddOptions(frame(top, right, "fraHortizontalGridlines", TR_HORTIZONTAL_GRIDLINES, 2),
                              "optGridWidth", {TR_EVERY_5_DB, TR_EVERY_10_DB});

    PlaceButtons(right + kColumnWidth, std::max(top, leftBottom) + kMargin);

    // The severity of loss is configured only while it is the chosen underlay.
    for (QRadioButton* option : optUnderlay)
        connect(option, &QRadioButton::toggled, this,
                [this] { cmdConfigSeverityOfLoss->setEnabled(optUnderlay[0]->isChecked()); });
    connect(cmdConfigSeverityOfLoss, &QPushButton::clicked, this, [this] { cmdConfigSeverityOfLoss_Click(); });
}

void frmPrefPureToneGraph::LoadPreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    SelectOption(optGraphView, PreferenceFlag(store, kOneGraphKey) ? 1 : 0);
    const std::int32_t m = PreferenceNumber(store, kGraphOptionsKey);
    SelectOptionByMask(optUnderlay, kUnderlayBits, m);
    SelectOptionByMask(optXRange, kXRangeBits, m, 1);
    SelectOptionByMask(optLineStyle, kLineStyleBits, m, 1);
    SelectOptionByMask(optInteroctiveLineStyle, kInteroctaveBits, m, kNoInteroctaveLines);
    SelectOptionByMask(optXAxisLabel, kXAxisLabelBits, m, 1);
    SelectOptionByMask(optYAxisRange, kYAxisRangeBits, m, 1);
    SelectOptionByMask(optGridWidth, kGridWidthBits, m, 1);
    chkDisplayAxes->setChecked(m & kDisplayAxesBit);
}

void frmPrefPureToneGraph::SavePreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    store.put_Value(kOneGraphKey, SelectedOption(optGraphView) == 1);
    std::int32_t m = MaskOfSelectedOption(optUnderlay, kUnderlayBits);
    m += MaskOfSelectedOption(optXRange, kXRangeBits);
    m += MaskOfSelectedOption(optLineStyle, kLineStyleBits);
    m += MaskOfSelectedOption(optInteroctiveLineStyle, kInteroctaveBits);
    m += MaskOfSelectedOption(optXAxisLabel, kXAxisLabelBits);
    m += MaskOfSelectedOption(optYAxisRange, kYAxisRangeBits);
    m += MaskOfSelectedOption(optGridWidth, kGridWidthBits);
    if (chkDisplayAxes->checkState() == Qt::Checked)
        m += kDisplayAxesBit;
    store.put_Value(kGraphOptionsKey, m);
}

// The severity page writes its own keys on its own OK, whatever this page
// does afterwards.
void frmPrefPureToneGraph::cmdConfigSeverityOfLoss_Click()
{
    frmPrefSeverityOfLoss page;
    ShowOptionPage(page, Preferences(), this);
}

}  // namespace brisance

#include "module/preferences/frmPrefSeverityOfLoss.h"

#include "module/core/PreferenceValues.h"
#include "module/core/TextBoxLists.h"
#include "module/panels/TwipsGeometry.h"
#include "module/preferences/CheckBoxMasks.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace brisance {

namespace {

constexpr const char* kConfigKey = "SeverityOfLossConfig";
constexpr const char* kLowsKey = "SeverityOfLossLows";
constexpr const char* kHighsKey = "SeverityOfLossHighs";

constexpr TextResources kBandCaptions[frmPrefSeverityOfLoss::kBands] = {
    TR_NORMAL_HEARING, TR_MILD_LOSS,   TR_MILD_TO_MODERATE_LOSS, TR_MODERATE_LOSS,
    TR_MODERATE_TO_SEVERE_LOSS, TR_SEVERE_LOSS, TR_PROFOUND_LOSS};

// The band's grey, the shade in which the underlay fills it.
QColor BandGrey(int index)
{
    const int grey = 235 - 20 * index;
    return QColor(grey, grey, grey);
}

// The layout, in twips: the instructions, then a row per band: its swatch,
// its box and its two limits under their headings.
constexpr int kMargin = 120;
constexpr int kInstructionsHeight = 660;
constexpr int kHeadingsTop = kMargin + kInstructionsHeight + kMargin;
constexpr int kRowHeight = 285;
constexpr int kFirstRowTop = kHeadingsTop + 300;
constexpr int kRowPitch = 360;
constexpr int kSwatchWidth = 360;
constexpr int kBoxLeft = kMargin + kSwatchWidth + kMargin;
constexpr int kBoxWidth = 3000;
constexpr int kLimitWidth = 720;
constexpr int kLowLeft = kBoxLeft + kBoxWidth + kMargin;
constexpr int kHighLeft = kLowLeft + kLimitWidth + kMargin;
constexpr int kRight = kHighLeft + kLimitWidth;

}  // namespace

frmPrefSeverityOfLoss::frmPrefSeverityOfLoss() : OptionPage(kHelpContext, TR_CONFIGURE_SEVERITY_OF_LOSS)
{
    lblInstructions = new QLabel(Text(TR_SEVERITY_OF_LOSS_INSTRUCTIONS), this);
    lblInstructions->setObjectName("lblInstructions");
    lblInstructions->setWordWrap(true);
    lblInstructions->setGeometry(twipsRect(kMargin, kMargin, kRight - kMargin, kInstructionsHeight));
    lblLow = new QLabel(Text(TR_LOW), this);
    lblLow->setObjectName("lblLow");
    lblLow->setGeometry(twipsRect(kLowLeft, kHeadingsTop, kLimitWidth, kRowHeight));
    lblHigh = new QLabel(Text(TR_HIGH), this);
    lblHigh->setObjectName("lblHigh");
    lblHigh->setGeometry(twipsRect(kHighLeft, kHeadingsTop, kLimitWidth, kRowHeight));

    // A "," would split the limit into two pieces of the stored list.
    auto* noComma = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^,]*")), this);
    for (int i = 0; i < kBands; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        const int top = kFirstRowTop + i * kRowPitch;
        shpColor[at] = new QFrame(this);
        shpColor[at]->setObjectName(QStringLiteral("shpColor%1").arg(i));
        shpColor[at]->setFrameShape(QFrame::Box);
        shpColor[at]->setAutoFillBackground(true);
        QPalette fill = shpColor[at]->palette();
        fill.setColor(QPalette::Window, BandGrey(i));
        shpColor[at]->setPalette(fill);
        shpColor[at]->setGeometry(twipsRect(kMargin, top, kSwatchWidth, kRowHeight));

        chkSeverity[at] =
            AddCheckBox(this, QStringLiteral("chkSeverity%1").arg(i), Text(kBandCaptions[i]), kBoxLeft, top, kBoxWidth);
        const auto limit = [this, top, noComma](QString name, int left) {
            auto* box = new QLineEdit(this);
            box->setObjectName(name);
            box->setValidator(noComma);
            box->setGeometry(twipsRect(left, top, kLimitWidth, kRowHeight));
            return box;
        };
        txtLow[at] = limit(QStringLiteral("txtLow%1").arg(i), kLowLeft);
        txtHigh[at] = limit(QStringLiteral("txtHigh%1").arg(i), kHighLeft);
        connect(chkSeverity[at], &QCheckBox::stateChanged, this, [this, at] { chkSeverity_Click(at); });
        chkSeverity_Click(at);
    }
    PlaceButtons(kRight, kFirstRowTop + kBands * kRowPitch + kMargin);
}

void frmPrefSeverityOfLoss::LoadPreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    MaskToCheckBoxes(chkSeverity, PreferenceNumber(store, kConfigKey));
    // A list of more pieces than boxes fills the boxes and leaves the rest.
    FillTextBoxes(txtLow, PreferenceText(store, kLowsKey));
    FillTextBoxes(txtHigh, PreferenceText(store, kHighsKey));
}

void frmPrefSeverityOfLoss::SavePreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    store.put_Value(kConfigKey, CheckBoxesToMask(chkSeverity));
    store.put_Value(kLowsKey, JoinTextBoxes(txtLow));
    store.put_Value(kHighsKey, JoinTextBoxes(txtHigh));
}

void frmPrefSeverityOfLoss::chkSeverity_Click(std::size_t index)
{
    const bool shown = chkSeverity[index]->checkState() == Qt::Checked;
    txtLow[index]->setEnabled(shown);
    txtHigh[index]->setEnabled(shown);
}

}  // namespace brisance

#include "module/views/frmAverageFrequencies.h"

#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "module/panels/TwipsGeometry.h"
#include "module/preferences/CheckBoxMasks.h"

#include "vellum/VellumValues.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include <string>

namespace brisance {
namespace {

// The layout, in twips: two frames side by side, one row per frequency, the
// buttons below them on the right.
constexpr int kMargin = 120;
constexpr int kFrameWidth = 2900;
constexpr int kFrameTop = 300;  // room for the frame's title
constexpr int kRowHeight = 285;
constexpr int kBoxWidth = 1800;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;

}  // namespace

frmAverageFrequencies::frmAverageFrequencies(std::shared_ptr<const CLangLoader> texts, std::int32_t lngAverage,
                                             std::int32_t lngDoubleAverage, QWidget* parent)
    : QDialog(parent), m_average(lngAverage), m_doubleAverage(lngDoubleAverage)
{
    const auto text = [&texts](TextResources id) {
        return QString::fromStdString(texts ? texts->LoadResString(id) : std::string());
    };
    setWindowTitle(QString::fromStdString(texts ? texts->LoadResString2(TR_CONFIGPTAFREQ) : std::string()));
    fraWeight = new QGroupBox(text(TR_PURETONEAVERAGEFREQS), this);
    fraWeight->setObjectName("fraWeight");
    fraDoubleWeight = new QGroupBox(text(TR_PTA_DBL), this);
    fraDoubleWeight->setObjectName("fraDoubleWeight");

    const int rows = static_cast<int>(vellum::kAverageFrequencies.size());
    const int frameHeight = kFrameTop + rows * kRowHeight + kMargin;
    fraWeight->setGeometry(twipsRect(kMargin, kMargin, kFrameWidth, frameHeight));
    fraDoubleWeight->setGeometry(twipsRect(2 * kMargin + kFrameWidth, kMargin, kFrameWidth, frameHeight));
    for (std::size_t row = 0; row < vellum::kAverageFrequencies.size(); ++row) {
        const QString frequency = QString::number(vellum::kAverageFrequencies[row]);
        const int top = kFrameTop + static_cast<int>(row) * kRowHeight;
        auto* single = new QCheckBox(frequency, fraWeight);
        single->setObjectName(QStringLiteral("chkFreq%1").arg(row));
        single->setGeometry(twipsRect(kMargin, top, kBoxWidth, kRowHeight));
        auto* twice = new QCheckBox(frequency, fraDoubleWeight);
        twice->setObjectName(QStringLiteral("chkFreqDbl%1").arg(row));
        twice->setGeometry(twipsRect(kMargin, top, kBoxWidth, kRowHeight));
        chkFreq.push_back(single);
        chkFreqDbl.push_back(twice);
    }
    MaskToCheckBoxes(chkFreq, lngAverage);
    MaskToCheckBoxes(chkFreqDbl, lngDoubleAverage);
    for (std::size_t row = 0; row < chkFreq.size(); ++row) {
        chkFreq_Click(row);
        connect(chkFreq[row], &QCheckBox::clicked, this, [this, row] { chkFreq_Click(row); });
    }

    cmdOK = new QPushButton(text(TR_OK), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(text(TR_CANCEL), this);
    cmdCancel->setObjectName("cmdCancel");
    const int right = 3 * kMargin + 2 * kFrameWidth;
    const int buttonTop = 2 * kMargin + frameHeight;
    cmdCancel->setGeometry(twipsRect(right - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(right - 2 * (kMargin + kButtonWidth), buttonTop, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, right, buttonTop + kButtonHeight + kMargin).size());

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// A frequency that does not count cannot count twice.
void frmAverageFrequencies::chkFreq_Click(std::size_t index)
{
    const bool counted = chkFreq[index]->isChecked();
    if (!counted)
        chkFreqDbl[index]->setChecked(false);
    chkFreqDbl[index]->setEnabled(counted);
}

void frmAverageFrequencies::cmdOK_Click()
{
    m_average = CheckBoxesToMask(chkFreq);
    m_doubleAverage = CheckBoxesToMask(chkFreqDbl);
    accept();
}

}  // namespace brisance

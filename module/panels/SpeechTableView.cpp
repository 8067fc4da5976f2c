#include "module/panels/SpeechTableView.h"

#include "module/panels/EntryNumbers.h"
#include "module/panels/TolvEditGrid.h"
#include "module/panels/TwipsGeometry.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Twips.h"
#include "vellum/VellumValues.h"

#include <QLabel>

#include <algorithm>

namespace brisance {

namespace runtime = platform::runtime;
namespace ui = platform::ui;

namespace {

constexpr std::int32_t kColumns = 12;
constexpr std::int32_t kLevelRow = 0;
constexpr std::int32_t kScoreRow = 1;
constexpr std::int32_t kMaskingRow = 2;
// The range of a typed masking level.
constexpr std::int32_t kLowestMasking = -32767;
constexpr std::int32_t kHighestMasking = 32767;

// Layout, in twips.
constexpr int kTableWidth = 10470;
constexpr int kTableHeight = 1530;
constexpr int kGridTop = 210;
constexpr int kGridWidth = 4455;
constexpr int kGridLefts[] = {180, 5805};
constexpr int kGridHeights[] = {915, 930};
constexpr int kRowLabelTops[] = {345, 630, 915};
constexpr int kLabelHeight = 195;
constexpr int kCaptionLeft = 150;
constexpr int kCaptionTop = -15;
constexpr int kCaptionWidth = 915;
constexpr int kTestConditionsTop = 1215;
constexpr int kTestConditionsHeight = 285;
constexpr int kTestConditionsMargin = 30;
constexpr int kRowLabelGap = 200;

bool isNoMasking(std::int32_t value)
{
    return value == vellum::kNoSpeechMasking || value == vellum::kNoValue;
}

int roundedHalf(int twips)
{
    return static_cast<int>(runtime::roundHalfEven(twips / 2.0));
}

int widthTwips(const QWidget& widget)
{
    return ui::pixelsToTwipsX(widget.width());
}

void moveTo(QWidget& widget, int leftTwips)
{
    widget.move(ui::twipsToPixelsX(leftTwips), widget.y());
}

}  // namespace

SpeechTableView::SpeechTableView(QWidget* parent)
    : FramedPanel(parent),
      m_left{vellum::kEarLeft},
      m_right{vellum::kEarRight},
      m_binaural{vellum::kEarBinaural},
      grdEar{new TolvEditGrid(this), new TolvEditGrid(this)},
      lblRowLabel{new QLabel("dB Level", this), new QLabel("Score", this), new QLabel("Masking", this)},
      lblTestConditions(new QLabel(this))
{
    resize(twipsRect(0, 0, kTableWidth, kTableHeight).size());
    QFont tahoma = font();
    tahoma.setFamily("Tahoma");
    tahoma.setPointSizeF(8.25);

    for (std::size_t index = 0; index < grdEar.size(); ++index) {
        TolvEditGrid& grid = *grdEar[index];
        grid.setObjectName(QStringLiteral("grdEar%1").arg(index));
        grid.setGeometry(twipsRect(kGridLefts[index], kGridTop, kGridWidth, kGridHeights[index]));
        grid.ColCount(kColumns);
        grid.RowCount(3);
        grid.ShowColumnHeaders(false);
        grid.AllowRowEdit(kLevelRow, false);
        grid.AllowRowEdit(kScoreRow, false);
        const int gridIndex = static_cast<int>(index);
        connect(&grid, &TolvEditGrid::BeforeCellEdit, this,
                [this, gridIndex](std::int32_t Col, std::int32_t, bool& Cancel) {
                    grdEar_BeforeCellEdit(gridIndex, Col, Cancel);
                });
        connect(&grid, &TolvEditGrid::TextChange, this,
                [this, gridIndex](std::int32_t Col, std::int32_t Row, const std::string& Text) {
                    grdEar_TextChange(gridIndex, Col, Row, Text);
                });
    }
    for (std::size_t row = 0; row < lblRowLabel.size(); ++row) {
        QLabel& label = *lblRowLabel[row];
        label.setObjectName(QStringLiteral("lblRowLabel%1").arg(row));
        label.setFont(tahoma);
        label.adjustSize();
        label.move(twipsRect(0, kRowLabelTops[row], 0, 0).topLeft());
    }
    lblCaption->setFont(tahoma);
    lblCaption->setText("Table Viewer");
    lblCaption->setGeometry(twipsRect(kCaptionLeft, kCaptionTop, kCaptionWidth, kLabelHeight));
    lblTestConditions->setObjectName("lblTestConditions");
    lblTestConditions->setFont(tahoma);
    lblTestConditions->setGeometry(twipsRect(kTestConditionsMargin, kTestConditionsTop,
                                             kTableWidth - 2 * kTestConditionsMargin, kTestConditionsHeight));
    layOut();
}

void SpeechTableView::BinauralMode(bool Binaural)
{
    m_binauralMode = Binaural;
    ApplyBinauralMode();
}

void SpeechTableView::MaskCaption(const std::string& caption)
{
    m_maskCaption = caption;
    if (!m_noiseTest)
        RowCaption(kMaskingRow, caption);
}

void SpeechTableView::NoiseCaption(const std::string& caption)
{
    m_noiseCaption = caption;
    if (m_noiseTest)
        RowCaption(kMaskingRow, caption);
}

void SpeechTableView::RightEarOnLeft(bool rightOnLeft)
{
    m_rightEarOnLeft = rightOnLeft;
    m_intLeftGrid = rightOnLeft ? 1 : 0;
    m_intRightGrid = rightOnLeft ? 0 : 1;
    m_intBinauralGrid = 0;
}

void SpeechTableView::blnNoiseTest(bool WithNoiseTest)
{
    m_noiseTest = WithNoiseTest;
    RowCaption(kMaskingRow, WithNoiseTest ? m_noiseCaption : m_maskCaption);
    ApplyBinauralMode();
}

void SpeechTableView::DeletePoint(std::int32_t Ear, std::int32_t dB)
{
    ResultList& list = listToRemove(Ear);
    const auto used = list.entries.begin() + list.count;
    const auto found = std::find_if(list.entries.begin(), used, [dB](const SpeechResult& entry) {
        return entry.dB == dB;
    });
    if (found == used)
        return;
    std::move(found + 1, used, found);
    list.entries[static_cast<std::size_t>(--list.count)] = {};
    gridOf(list).ClearData();
    refill(list);
}

void SpeechTableView::PlotPoint(std::int32_t Ear, std::int32_t dB, std::int32_t SCORE,
                                const std::optional<runtime::Variant>& Value)
{
    const std::int32_t value = Value ? Value->toLong() : 0;
    ResultList* list = listToPlot(Ear);
    if (!list)
        return;
    const auto used = list->entries.begin() + list->count;
    const auto found = std::find_if(list->entries.begin(), used, [dB](const SpeechResult& entry) {
        return entry.dB == dB;
    });
    if (found != used) {
        found->Score = SCORE;
        found->Value = value;
        refill(*list);
        return;
    }
    // A full list keeps what it has: nothing is written past its end.
    if (list->count == static_cast<std::int32_t>(kListSize))
        return;
    *used = {dB, SCORE, value};
    ++list->count;
    // Levels are unique within a list, so the order by level is the only one.
    std::sort(list->entries.begin(), used + 1,
              [](const SpeechResult& a, const SpeechResult& b) { return a.dB < b.dB; });
    gridOf(*list).ClearData();
    refill(*list);
}

void SpeechTableView::Clear(std::int32_t Ear)
{
    ResultList& list = listToRemove(Ear);
    gridOf(list).ClearData();
    list.entries = {};
    list.count = 0;
}

void SpeechTableView::RowCaption(std::int32_t Row, const std::string& Caption)
{
    if (Row < 0 || Row >= static_cast<std::int32_t>(lblRowLabel.size()))
        runtime::raise(runtime::errors::SubscriptOutOfRange);
    QLabel& label = *lblRowLabel[static_cast<std::size_t>(Row)];
    label.setText(QString::fromStdString(Caption));
    label.adjustSize();
    layOut();
}

std::string SpeechTableView::TestConditions() const
{
    return lblTestConditions->text().toStdString();
}

void SpeechTableView::TestConditions(const std::string& text)
{
    lblTestConditions->setText(QString::fromStdString(text));
}

void SpeechTableView::TableCaption(const std::string& caption)
{
    lblCaption->setText(QString::fromStdString(caption));
    lblCaption->adjustSize();
}

void SpeechTableView::resizeEvent(QResizeEvent*)
{
    layOut();
}

SpeechTableView::ResultList* SpeechTableView::listToPlot(std::int32_t ear)
{
    switch (ear) {
    case vellum::kEarLeft: return &m_left;
    case vellum::kEarRight: return &m_right;
    case vellum::kEarBinaural: return &m_binaural;
    default: return nullptr;
    }
}

SpeechTableView::ResultList& SpeechTableView::listToRemove(std::int32_t ear)
{
    ResultList* list = listToPlot(ear);
    return list ? *list : m_binaural;
}

TolvEditGrid& SpeechTableView::gridOf(const ResultList& list) const
{
    const std::int16_t index = &list == &m_left ? m_intLeftGrid : &list == &m_right ? m_intRightGrid : m_intBinauralGrid;
    return *grdEar[static_cast<std::size_t>(index)];
}

SpeechTableView::ResultList& SpeechTableView::listOfGrid(int index)
{
    if (m_binauralMode)
        return m_binaural;
    return index == m_intLeftGrid ? m_left : m_right;
}

void SpeechTableView::refill(const ResultList& list)
{
    // Every cell of a level is written, empty ones included, so that a value
    // taken back never stays on screen. Columns past the grid's are not kept.
    TolvEditGrid& grid = gridOf(list);
    for (std::int32_t col = 0; col < list.count; ++col) {
        const SpeechResult& entry = list.entries[static_cast<std::size_t>(col)];
        grid.SetCellText(col, kLevelRow, std::to_string(entry.dB));
        grid.SetCellText(col, kScoreRow, entry.Score == vellum::kNoValue ? "" : std::to_string(entry.Score));
        grid.SetCellText(col, kMaskingRow, isNoMasking(entry.Value) ? "" : std::to_string(entry.Value));
    }
}

void SpeechTableView::ApplyBinauralMode()
{
    grdEar[1]->Visible(!m_binauralMode);
    // Binaural results take no masking, but a test in noise keeps its noise level.
    grdEar[0]->AllowRowEdit(kMaskingRow, m_noiseTest || !m_binauralMode);
    layOut();
    grdEar[0]->Refresh();
}

void SpeechTableView::layOut()
{
    const int inner = Width();
    const int conditionsWidth = inner - 2 * kTestConditionsMargin;
    if (conditionsWidth >= 0)
        lblTestConditions->setGeometry(twipsRect(kTestConditionsMargin, kTestConditionsTop, conditionsWidth,
                                                 kTestConditionsHeight));
    int labelsWidth = 0;
    for (const QLabel* label : lblRowLabel)
        labelsWidth = std::max(labelsWidth, widthTwips(*label));

    TolvEditGrid& first = *grdEar[0];
    TolvEditGrid& second = *grdEar[1];
    const int gridWidth = first.Width();
    if (m_binauralMode) {
        const int x = roundedHalf(inner - gridWidth - labelsWidth - kRowLabelGap);
        for (QLabel* label : lblRowLabel)
            moveTo(*label, x);
        first.Left(x + kRowLabelGap + labelsWidth);
        return;
    }
    const int x = roundedHalf(inner - 2 * gridWidth - labelsWidth - kRowLabelGap);
    first.Left(x);
    second.Left(x + gridWidth + labelsWidth + kRowLabelGap);
    // The labels stand centred in the gap between the grids.
    const int gapLeft = first.Left() + gridWidth;
    const int gap = second.Left() - gapLeft;
    for (QLabel* label : lblRowLabel)
        moveTo(*label, gapLeft + roundedHalf(gap - widthTwips(*label)));
}

void SpeechTableView::grdEar_BeforeCellEdit(int index, std::int32_t Col, bool& Cancel)
{
    // Only a column that holds a level has a masking level to edit.
    if (Col >= listOfGrid(index).count)
        Cancel = true;
}

void SpeechTableView::grdEar_TextChange(int index, std::int32_t Col, std::int32_t Row, const std::string& Text)
{
    // A number too large to read or to convert is as far out of range as any.
    const std::int32_t value =
        Text.empty() ? vellum::kNoValue : leadingWholeNumber(Text).value_or(kHighestMasking + 1);
    if (value < kLowestMasking || value > kHighestMasking) {
        grdEar[static_cast<std::size_t>(index)]->SetCellText(Col, Row, "");
        return;
    }
    ResultList& list = listOfGrid(index);
    // The host may have taken the level away while its cell was open.
    if (Col >= list.count)
        return;
    SpeechResult& entry = list.entries[static_cast<std::size_t>(Col)];
    entry.Value = value;
    emit PointPlot(list.ear, entry.dB, entry.Score, entry.Value);
}

}  // namespace brisance

#include "module/panels/TableView.h"

#include "module/panels/EntryNumbers.h"
#include "module/panels/TolvEditGrid.h"
#include "module/panels/TwipsGeometry.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Sound.h"
#include "platform/ui/Twips.h"
#include "vellum/IVellumDataLayer.h"
#include "vellum/VellumValues.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <array>
#include <optional>

namespace brisance {

namespace runtime = platform::runtime;
namespace ui = platform::ui;
using vellum::kEarBinaural;
using vellum::kEarLeft;
using vellum::kEarRight;

namespace {

// The columns, left to right: the normal range is the first 11, the full
// range adds 12 and 16 kHz.
constexpr std::array<std::int32_t, 13> kFrequencies{125, 250, 500, 750, 1000, 1500, 2000,
                                                    3000, 4000, 6000, 8000, 12000, 16000};
constexpr const char* kColumnHeaders = "125|250|500|750|1K|1.5K|2K|3K|4K|6K|8K|12K|16K";
constexpr std::int32_t kNormalRangeColumns = 11;
constexpr std::int32_t kFirstRowCount = 4;
// The grid row that keeps the level behind a no-response or unmeasurable mark.
constexpr std::int32_t kHiddenLevelRow = 2;

// Layout, in twips: the grids just under the frame line.
constexpr int kGridTop = 180;
constexpr int kGridWidth = 4695;
constexpr int kGridHeight = 945;
constexpr int kRowLabelGap = 200;
constexpr int kTestConditionsGap = 100;
constexpr int kTestConditionsHeight = 255;
constexpr int kTestConditionsMargin = 30;
constexpr int kCaptionLeft = 120;

std::optional<std::int32_t> ColumnForFrequency(std::int32_t frequency)
{
    const auto found = std::find(kFrequencies.begin(), kFrequencies.end(), frequency);
    if (found == kFrequencies.end())
        return std::nullopt;
    return static_cast<std::int32_t>(found - kFrequencies.begin());
}

std::int32_t FrequencyForColumn(std::int32_t col)
{
    return col >= 0 && col < static_cast<std::int32_t>(kFrequencies.size()) ? kFrequencies[static_cast<std::size_t>(col)]
                                                                            : 0;
}

bool sameTextIgnoringCase(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Whether the text is the beginning of the mark, ignoring case.
bool beginsMark(const QString& text, const QString& mark)
{
    return text.size() <= mark.size() && sameTextIgnoringCase(text, mark.left(text.size()));
}

void placeLabel(QLabel& label, int leftTwips, int topTwips)
{
    label.move(ui::twipsToPixelsX(leftTwips), ui::twipsToPixelsY(topTwips));
}

int labelWidth(const QLabel& label)
{
    return ui::pixelsToTwipsX(label.width());
}

int labelLeft(const QLabel& label)
{
    return ui::pixelsToTwipsX(label.x());
}

int labelTop(const QLabel& label)
{
    return ui::pixelsToTwipsY(label.y());
}

// The width, in twips, at which every column of the grid holds the widest
// header text with a few pixels to spare.
int ColumnTextsWidth(const TolvEditGrid& grid)
{
    constexpr int kSparePixels = 8;
    const QFontMetrics metrics(grid.font());
    int widest = 0;
    for (const QString& header : QString(kColumnHeaders).split('|'))
        widest = std::max(widest, metrics.horizontalAdvance(header));
    return ui::pixelsToTwipsX((widest + kSparePixels) * grid.ColCount());
}

int roundedHalf(int twips)
{
    return static_cast<int>(runtime::roundHalfEven(twips / 2.0));
}

}  // namespace

TableView::TableView(QWidget* parent)
    : FramedPanel(parent),
      grdEar{new TolvEditGrid(this), new TolvEditGrid(this)},
      lblRowLabel{new QLabel(this), new QLabel(this), new QLabel(this)},
      lblTestConditions(new QLabel(this))
{
    lblCaption->move(twipsRect(kCaptionLeft, 0, 0, 0).topLeft());
    for (int index = 0; index < 2; ++index) {
        TolvEditGrid& grid = *grdEar[static_cast<std::size_t>(index)];
        grid.setObjectName(QStringLiteral("grdEar%1").arg(index));
        grid.setGeometry(twipsRect(0, kGridTop, kGridWidth, kGridHeight));
        ConfigureGridColumns(grid, static_cast<std::int32_t>(kFrequencies.size()));
        connect(&grid, &TolvEditGrid::TextChange, this,
                [this, index](std::int32_t Col, std::int32_t Row, const std::string& Text) {
                    grdEar_TextChange(index, Col, Row, Text);
                });
        connect(&grid, &TolvEditGrid::BeforeCellEdit, this, [this](std::int32_t, std::int32_t, bool& Cancel) {
            if (!Cancel)
                emit CellEditBegins();
        });
    }
    const int rowHeight = grdEar[0]->RowHeight();
    for (std::size_t row = 0; row < lblRowLabel.size(); ++row) {
        lblRowLabel[row]->setObjectName(QStringLiteral("lblRowLabel%1").arg(row));
        lblRowLabel[row]->adjustSize();
        placeLabel(*lblRowLabel[row], 0, kGridTop + rowHeight * static_cast<int>(row));
    }
    lblTestConditions->setObjectName("lblTestConditions");
    lblTestConditions->setText("Test Conditions");
    lblTestConditions->setGeometry(twipsRect(kTestConditionsMargin, kGridTop + kGridHeight + kTestConditionsGap,
                                             kGridWidth, kTestConditionsHeight));
    SetEarGrids();
    grdEar[1]->Top(grdEar[0]->Top());
}

void TableView::BinauralMode(bool binaural)
{
    m_binauralMode = binaural;
    ApplyBinauralMode();
}

void TableView::ShowFullRange(bool full)
{
    const std::int32_t count = full ? static_cast<std::int32_t>(kFrequencies.size()) : kNormalRangeColumns;
    for (TolvEditGrid* grid : grdEar)
        ConfigureGridColumns(*grid, count);
    // More columns may need wider grids for their texts.
    layOut();
}

std::string TableView::TestConditions() const
{
    return lblTestConditions->text().toStdString();
}

void TableView::TestConditions(const std::string& text)
{
    lblTestConditions->setText(QString::fromStdString(text));
}

std::string TableView::TableCaption() const
{
    return lblCaption->text().toStdString();
}

void TableView::TableCaption(const std::string& caption)
{
    lblCaption->setText(QString::fromStdString(caption));
    lblCaption->adjustSize();
}

void TableView::RowCaption(std::int32_t Row, const std::string& Caption)
{
    if (Row < 0 || Row >= static_cast<std::int32_t>(lblRowLabel.size()))
        runtime::raise(runtime::errors::SubscriptOutOfRange);
    QLabel& label = *lblRowLabel[static_cast<std::size_t>(Row)];
    label.setText(QString::fromStdString(Caption));
    label.adjustSize();
    // The labels stand in the gap between the grids, by their widths.
    layOut();
}

void TableView::RightEarOnLeft(bool rightOnLeft)
{
    m_rightEarOnLeft = rightOnLeft;
    SetEarGrids();
}

void TableView::ClearData(std::int32_t Ear)
{
    switch (Ear) {
    case kEarRight: grdEar[static_cast<std::size_t>(m_rightGrid)]->ClearData(); break;
    case kEarLeft: grdEar[static_cast<std::size_t>(m_leftGrid)]->ClearData(); break;
    case kEarBinaural:
        for (TolvEditGrid* grid : grdEar)
            grid->ClearData();
        break;
    default: break;
    }
}

void TableView::ConfigureAsPureToneTable(bool ShowLevelRow, bool ShowMaskingRow, bool ShowTestConditions)
{
    TolvEditGrid& first = *grdEar[0];
    const int rowHeight = first.RowHeight();
    m_levelRow = -1;
    m_maskingRow = -1;
    lblRowLabel[1]->setVisible(ShowLevelRow);
    lblRowLabel[2]->setVisible(ShowMaskingRow);
    std::int32_t rows = 0;
    if (ShowLevelRow) {
        m_levelRow = 0;
        rows = 1;
        placeLabel(*lblRowLabel[1], labelLeft(*lblRowLabel[1]), first.Top() + rowHeight);
    }
    if (ShowMaskingRow) {
        m_maskingRow = m_levelRow + 1;
        ++rows;
        placeLabel(*lblRowLabel[2], labelLeft(*lblRowLabel[2]), first.Top() + rowHeight * rows);
    }
    const int gridHeight = rows == 0 ? 0 : rowHeight * (rows + 1);
    for (TolvEditGrid* grid : grdEar) {
        grid->RowCount(rows);
        grid->Height(gridHeight);
        grid->Visible(rows >= 1);
    }
    lblTestConditions->setVisible(ShowTestConditions);
    const int conditionsTop = first.Top() + gridHeight + kTestConditionsGap;
    lblTestConditions->move(lblTestConditions->x(), ui::twipsToPixelsY(conditionsTop));
    Height(conditionsTop + ui::pixelsToTwipsY(lblTestConditions->height()) + kTestConditionsGap);
    update();
}

void TableView::PureTonePlotPoint(std::int32_t Ear, vellum::IVellumPureTonePoint& Point)
{
    const std::optional<std::int32_t> col = ColumnForFrequency(Point.get_Frequency());
    if (!col)
        return;
    TolvEditGrid& grid = GridForEar(Ear);
    if (m_levelRow >= 0) {
        const std::string levelText = runtime::numberText(Point.get_Level() / 10.0);
        switch (Point.get_Status()) {
        case vellum::kStatusNoResponse:
            grid.SetCellText(*col, m_levelRow, m_noResponseText);
            grid.SetCellText(*col, kHiddenLevelRow, levelText);
            break;
        case vellum::kStatusUnmeasurable:
            grid.SetCellText(*col, m_levelRow, m_unMeasurableText);
            grid.SetCellText(*col, kHiddenLevelRow, levelText);
            break;
        default: grid.SetCellText(*col, m_levelRow, levelText); break;
        }
    }
    if (m_maskingRow >= 0) {
        const std::int16_t masking = Point.get_MaskingLevel();
        grid.SetCellText(*col, m_maskingRow, masking == 0 || masking == vellum::kNoValue ? "" : std::to_string(masking));
    }
}

void TableView::PureToneDeletePoint(std::int32_t Ear, std::int32_t Freq)
{
    const std::optional<std::int32_t> col = ColumnForFrequency(Freq);
    if (!col)
        return;
    EmptyColumn(GridForEar(Ear), *col);
}

void TableView::EmptyColumn(TolvEditGrid& grid, std::int32_t col)
{
    // The whole column goes: a masking or a level behind a mark left behind
    // would be sent with the next level typed there.
    for (const std::int32_t row : {m_levelRow, m_maskingRow, kHiddenLevelRow})
        if (row >= 0)
            grid.SetCellText(col, row, "");
}

void TableView::Refresh()
{
    layOut();
}

void TableView::resizeEvent(QResizeEvent*)
{
    layOut();
}

void TableView::SetEarGrids()
{
    m_leftGrid = m_rightEarOnLeft ? 1 : 0;
    m_rightGrid = m_rightEarOnLeft ? 0 : 1;
}

TolvEditGrid& TableView::GridForEar(std::int32_t ear) const
{
    switch (ear) {
    case kEarLeft: return *grdEar[static_cast<std::size_t>(m_leftGrid)];
    case kEarRight: return *grdEar[static_cast<std::size_t>(m_rightGrid)];
    default: return *grdEar[0];
    }
}

void TableView::ConfigureGridColumns(TolvEditGrid& grid, std::int32_t count)
{
    grid.ColCount(count);
    grid.RowCount(kFirstRowCount);
    grid.ShowColumnHeaders(true);
    grid.SetColumnHeaders(kColumnHeaders);
}

void TableView::ApplyBinauralMode()
{
    grdEar[1]->Visible(!m_binauralMode);
    layOut();
}

void TableView::layOut()
{
    lblTestConditions->setGeometry(twipsRect(kTestConditionsMargin, labelTop(*lblTestConditions),
                                             Width() - 2 * kTestConditionsMargin, kTestConditionsHeight));
    int labelsWidth = 0;
    for (const QLabel* label : lblRowLabel)
        labelsWidth = std::max(labelsWidth, labelWidth(*label));

    TolvEditGrid& first = *grdEar[0];
    TolvEditGrid& second = *grdEar[1];
    const int gridWidth = std::max(kGridWidth, ColumnTextsWidth(first));
    for (TolvEditGrid* grid : grdEar)
        grid->Width(gridWidth);
    if (m_binauralMode) {
        const int x = roundedHalf(Width() - gridWidth - labelsWidth - kRowLabelGap);
        for (QLabel* label : rowLabels())
            placeLabel(*label, x, labelTop(*label));
        first.Left(x + kRowLabelGap + labelsWidth);
        return;
    }
    const int x = roundedHalf(Width() - 2 * gridWidth - labelsWidth - kRowLabelGap);
    first.Left(x);
    second.Left(gridWidth + x + labelsWidth + kRowLabelGap);
    const int gapLeft = first.Left() + gridWidth;
    const int gap = second.Left() - gapLeft;
    for (QLabel* label : rowLabels())
        placeLabel(*label, gapLeft + (gap - labelWidth(*label)) / 2, labelTop(*label));
}

std::array<QLabel*, 2> TableView::rowLabels() const
{
    return {lblRowLabel[1], lblRowLabel[2]};
}

void TableView::grdEar_TextChange(int Index, std::int32_t Col, std::int32_t Row, const std::string& Text)
{
    TolvEditGrid& grid = *grdEar[static_cast<std::size_t>(Index)];
    std::string text = Text;
    // A value outside the limits loses its last character. The grid does not
    // announce a text the table sets itself, so the shorter text is checked
    // here, in the same way, until it is taken or is no value.
    for (;;) {
        switch (classify(grid, Col, Row, text)) {
        case Entry::Partial: return;
        case Entry::Neither:
            grid.SetCellText(Col, Row, "");
            // An emptied level is a deleted point: the data and the chart
            // must not keep what the table no longer shows.
            if (Row == m_levelRow) {
                EmptyColumn(grid, Col);
                emit DeletePoint(FrequencyForColumn(Col), earOfGrid(Index));
            }
            return;
        case Entry::Complete: break;
        }
        const std::string levelText = Row == m_levelRow ? text
                                      : m_levelRow >= 0 ? grid.GetCellText(Col, m_levelRow)
                                                        : std::string();
        const std::string maskingText = Row == m_maskingRow ? text
                                        : m_maskingRow >= 0 ? grid.GetCellText(Col, m_maskingRow)
                                                            : std::string();
        if (raiseEntry(Index, Col, levelText, maskingText, grid.GetCellText(Col, kHiddenLevelRow)))
            return;
        ui::playSystemSound(".Default");
        QString shorter = QString::fromStdString(text);
        shorter.chop(1);
        text = shorter.toStdString();
        grid.SetCellText(Col, Row, text);
    }
}

TableView::Entry TableView::classify(const TolvEditGrid& grid, std::int32_t col, std::int32_t row,
                                     const std::string& text) const
{
    if (text.empty())
        return Entry::Neither;
    if (row == m_levelRow && m_levelRow >= 0) {
        // A text that starts with a minus is read by its leading number: a
        // minus alone is 0 dB.
        if (isMark(text) || isNumberText(text) || text.front() == '-')
            return Entry::Complete;
        const QString typed = QString::fromStdString(text);
        if (beginsMark(typed, QString::fromStdString(m_noResponseText))
            || beginsMark(typed, QString::fromStdString(m_unMeasurableText)))
            return Entry::Partial;
        return Entry::Neither;
    }
    if (row == m_maskingRow && m_maskingRow >= 0) {
        const bool levelGiven = m_levelRow < 0 || !grid.GetCellText(col, m_levelRow).empty();
        return isNumberText(text) && levelGiven ? Entry::Complete : Entry::Neither;
    }
    return Entry::Neither;
}

std::int32_t TableView::earOfGrid(int index) const
{
    return m_binauralMode ? kEarBinaural : index == m_leftGrid ? kEarLeft : kEarRight;
}

bool TableView::isMark(const std::string& text) const
{
    if (text.empty())
        return false;
    const QString typed = QString::fromStdString(text);
    return sameTextIgnoringCase(typed, QString::fromStdString(m_noResponseText))
        || sameTextIgnoringCase(typed, QString::fromStdString(m_unMeasurableText));
}

std::int32_t TableView::PlotTypeFromTexts(const std::string& levelText, const std::string& maskingText) const
{
    const QString level = QString::fromStdString(levelText).trimmed().toLower();
    const std::int32_t masked = QString::fromStdString(maskingText).trimmed().isEmpty() ? 0 : 3;
    if (level == QString::fromStdString(m_unMeasurableText).toLower())
        return 2 + masked;
    if (level == QString::fromStdString(m_noResponseText).toLower())
        return 1 + masked;
    return masked;
}

bool TableView::raiseEntry(int index, std::int32_t col, const std::string& levelText, const std::string& maskingText,
                           const std::string& hiddenLevelText)
{
    // A number too large to read or convert counts as outside the limits.
    const auto withinLimits = [this](const std::optional<std::int32_t>& value) {
        return value && *value >= m_lowLimit && *value <= m_highLimit;
    };
    const std::optional<std::int32_t> masking = leadingWholeNumber(maskingText);
    const std::int32_t ear = earOfGrid(index);
    const std::int32_t frequency = FrequencyForColumn(col);
    if (m_levelRow < 0) {
        if (!withinLimits(masking))
            return false;
        emit SpecifyMasking(frequency, *masking, ear);
        return true;
    }
    const std::optional<std::int32_t> level = leadingWholeNumber(isMark(levelText) ? hiddenLevelText : levelText);
    if (!withinLimits(level) || !withinLimits(masking))
        return false;
    emit PointPlot(frequency, *level, *masking, ear, PlotTypeFromTexts(levelText, maskingText));
    return true;
}

}  // namespace brisance

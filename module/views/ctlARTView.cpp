#include "module/views/ctlARTView.h"

#include "module/panels/EntryNumbers.h"
#include "module/panels/TolvEditGrid.h"
#include "module/panels/TwipsGeometry.h"
#include "platform/runtime/RuntimeError.h"
#include "vellum/VellumValues.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace brisance {

namespace runtime = platform::runtime;

namespace {

struct StimulusColumn {
    const char* header;  // nullptr: the noise-band text
    std::int32_t code;
};

constexpr std::array<StimulusColumn, ctlARTView::kColumnCount> kColumns = {{
    {"250", 250},
    {"500", 500},
    {"1K", 1000},
    {"2K", 2000},
    {"4K", 4000},
    {"6K", 6000},
    {nullptr, 32765},  // broad-band noise
    {nullptr, 32767},  // low-band noise
    {nullptr, 32766},  // high-band noise
}};

// Result codes and the cell texts that show them; 404 shows as 402 does and
// reads back as 402.
struct ResultCode {
    std::int32_t code;
    std::string_view text;
};
constexpr ResultCode kResultCodes[] = {{400, " NA"}, {401, " NT"}, {402, " NR"}, {403, " YES"}, {404, " NR"}};

// The range of a typed threshold, whose tenths the data object stores in 16 bits.
constexpr std::int32_t kLowestTenths = -32767;
constexpr std::int32_t kHighestTenths = 32767;

// Layout, in twips.
constexpr int kPanelWidth = 8880;
constexpr int kPanelHeight = 1500;
constexpr int kCaptionLeft = 120;
constexpr int kCaptionTop = -15;
constexpr int kCaptionWidth = 4000;
constexpr int kLabelHeight = 225;
constexpr int kEarLabelTop = 210;
constexpr int kGridTop = 450;
constexpr int kGridLefts[] = {1050, 4980};
constexpr int kColumnWidth = 420;
constexpr int kGridRowHeight = 300;
constexpr int kDecayTop = 1110;
constexpr int kDecayHeight = 285;
constexpr int kRowCaptionLeft = 120;
constexpr int kRowCaptionWidth = 900;
constexpr int kRowCaptionTops[] = {kGridTop + 45, kDecayTop + 30};
// The row caption that names the decay buttons.
constexpr std::size_t kDecayRow = 1;
constexpr int kImagePixels = 12;

std::optional<std::size_t> columnOfCode(std::int32_t code)
{
    const auto found = std::find_if(kColumns.begin(), kColumns.end(),
                                    [code](const StimulusColumn& column) { return column.code == code; });
    if (found == kColumns.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - kColumns.begin());
}

std::string thresholdText(std::int32_t intensity)
{
    if (intensity == vellum::kNoValue)
        return {};
    for (const ResultCode& result : kResultCodes)
        if (result.code == intensity)
            return std::string(result.text);
    return std::to_string(intensity);
}

// A "+" or a "-" in black strokes on a transparent ground.
QIcon decayImage(bool present)
{
    QPixmap image(kImagePixels, kImagePixels);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    constexpr int kMiddle = kImagePixels / 2;
    painter.fillRect(1, kMiddle - 1, kImagePixels - 2, 2, Qt::black);
    if (present)
        painter.fillRect(kMiddle - 1, 1, 2, kImagePixels - 2, Qt::black);
    return QIcon(image);
}

}  // namespace

ctlARTView::ctlARTView(QWidget* parent)
    : FramedPanel(parent),
      m_freqsToRecord((1 << kColumnCount) - 1),
      m_noiseTexts{"BBN", "LBN", "HBN"},
      lblEar{new QLabel(this), new QLabel(this)},
      lblRowCaption{new QLabel(this), new QLabel(this)},
      grdEar{new TolvEditGrid(this), new TolvEditGrid(this)},
      cmdDecay{},
      m_presentImage(decayImage(true)),
      m_absentImage(decayImage(false))
{
    resize(twipsRect(0, 0, kPanelWidth, kPanelHeight).size());
    lblCaption->setGeometry(twipsRect(kCaptionLeft, kCaptionTop, kCaptionWidth, kLabelHeight));
    const int gridWidth = static_cast<int>(kColumnCount) * kColumnWidth;
    for (int side = 0; side < 2; ++side) {
        const auto at = static_cast<std::size_t>(side);
        const int left = kGridLefts[side];
        lblEar[at]->setObjectName(QStringLiteral("lblEar%1").arg(side));
        lblEar[at]->setAlignment(Qt::AlignCenter);
        lblEar[at]->setGeometry(twipsRect(left, kEarLabelTop, gridWidth, kLabelHeight));

        lblRowCaption[at]->setObjectName(QStringLiteral("lblRowCaption%1").arg(side));
        lblRowCaption[at]->setGeometry(twipsRect(kRowCaptionLeft, kRowCaptionTops[side], kRowCaptionWidth, kLabelHeight));

        TolvEditGrid& grid = *grdEar[at];
        grid.setObjectName(QStringLiteral("grdEar%1").arg(side));
        // Two rows of lines, and the closing line below them.
        grid.setGeometry(twipsRect(left, kGridTop, gridWidth, 2 * kGridRowHeight + 15));
        grid.RowHeight(kGridRowHeight);
        connect(&grid, &TolvEditGrid::TextChange, this,
                [this, side](std::int32_t Col, std::int32_t, const std::string&) { thresholdTyped(side, Col); });
        connect(&grid, &TolvEditGrid::BeforeCellEdit, this, [this](std::int32_t, std::int32_t, bool& Cancel) {
            if (!Cancel)
                emit EditBegins();
        });

        for (std::size_t column = 0; column < kColumnCount; ++column) {
            auto* button = new QPushButton(this);
            button->setObjectName(QStringLiteral("cmdDecay%1_%2").arg(side).arg(column));
            button->setGeometry(
                twipsRect(left + static_cast<int>(column) * kColumnWidth, kDecayTop, kColumnWidth, kDecayHeight));
            button->setIconSize(QSize(kImagePixels, kImagePixels));
            button->setFocusPolicy(Qt::NoFocus);
            const int col = static_cast<int>(column);
            connect(button, &QPushButton::clicked, this, [this, side, col] { decayClicked(side, col); });
            cmdDecay[at][column] = button;
        }
    }
    setUpGrids();
}

std::string ctlARTView::Caption() const
{
    return lblCaption->text().toStdString();
}

void ctlARTView::Caption(const std::string& text)
{
    lblCaption->setText(QString::fromStdString(text));
}

void ctlARTView::FreqsToRecord(std::int32_t mask)
{
    m_freqsToRecord = mask;
    for (TolvEditGrid* grid : grdEar) {
        for (std::size_t column = 0; column < kColumnCount; ++column)
            grid->AllowColEdit(static_cast<std::int32_t>(column), (mask >> column) & 1);
        grid->Refresh();
    }
}

void ctlARTView::DecaysToRecord(std::int32_t mask)
{
    for (auto& buttons : cmdDecay)
        for (std::size_t column = 0; column < kColumnCount; ++column)
            buttons[column]->setVisible((mask >> column) & 1);
    // A decay row without a button is not shown, and so neither is its name.
    lblRowCaption[kDecayRow]->setVisible((mask & ((1 << kColumnCount) - 1)) != 0);
}

void ctlARTView::RightEarOnLeft(bool rightOnLeft)
{
    const QString leftCaption = lblEar[static_cast<std::size_t>(m_leftEarSide)]->text();
    const QString rightCaption = lblEar[static_cast<std::size_t>(m_rightEarSide)]->text();
    m_rightEarOnLeft = rightOnLeft;
    m_leftEarSide = rightOnLeft ? 1 : 0;
    m_rightEarSide = rightOnLeft ? 0 : 1;
    lblEar[static_cast<std::size_t>(m_leftEarSide)]->setText(leftCaption);
    lblEar[static_cast<std::size_t>(m_rightEarSide)]->setText(rightCaption);
}

void ctlARTView::PlotPoint(std::int32_t Ear, std::int32_t Frequency, std::int32_t Intensity)
{
    if (const std::optional<std::size_t> column = columnOfCode(Frequency))
        grdEar[static_cast<std::size_t>(sideOf(Ear))]->SetCellText(static_cast<std::int32_t>(*column), 0,
                                                                     thresholdText(Intensity));
}

void ctlARTView::PlotPointDecay(std::int32_t Ear, std::int32_t Frequency, std::int32_t Decay)
{
    const std::optional<std::size_t> column = columnOfCode(Frequency);
    if (!column)
        return;
    const DecayState state = Decay == 0 ? DecayAbsent : (Decay == 1 || Decay == 10) ? DecayPresent : NoDecay;
    setDecayState(sideOf(Ear), static_cast<int>(*column), state);
}

void ctlARTView::Clear()
{
    for (int side = 0; side < 2; ++side) {
        grdEar[static_cast<std::size_t>(side)]->ClearData();
        for (int column = 0; column < static_cast<int>(kColumnCount); ++column)
            setDecayState(side, column, NoDecay);
    }
}

void ctlARTView::RowCaption(std::int32_t Row, const std::string& Caption)
{
    if (Row < 0 || Row >= static_cast<std::int32_t>(lblRowCaption.size()))
        runtime::raise(runtime::errors::SubscriptOutOfRange);
    lblRowCaption[static_cast<std::size_t>(Row)]->setText(QString::fromStdString(Caption));
}

void ctlARTView::EarLabel(std::int32_t Ear, const std::string& text)
{
    lblEar[static_cast<std::size_t>(sideOf(Ear))]->setText(QString::fromStdString(text));
}

void ctlARTView::BBN_Text(const std::string& text)
{
    m_noiseTexts[0] = text;
    setUpGrids();
}

void ctlARTView::LBN_Text(const std::string& text)
{
    m_noiseTexts[1] = text;
    setUpGrids();
}

void ctlARTView::HBN_Text(const std::string& text)
{
    m_noiseTexts[2] = text;
    setUpGrids();
}

int ctlARTView::sideOf(std::int32_t ear) const
{
    return ear == vellum::kEarLeft ? m_leftEarSide : m_rightEarSide;
}

std::int32_t ctlARTView::earOfSide(int side) const
{
    return side == m_leftEarSide ? vellum::kEarLeft : vellum::kEarRight;
}

void ctlARTView::setUpGrids()
{
    std::string headers;
    for (std::size_t column = 0, noiseBand = 0; column < kColumnCount; ++column) {
        if (column > 0)
            headers += '|';
        headers += kColumns[column].header ? kColumns[column].header : m_noiseTexts[noiseBand++];
    }
    for (TolvEditGrid* grid : grdEar) {
        grid->RowCount(1);
        grid->ShowColumnHeaders(true);
        grid->ColCount(static_cast<std::int32_t>(kColumnCount));
        grid->SetColumnHeaders(headers);
    }
    // A new column count makes every column editable again.
    FreqsToRecord(m_freqsToRecord);
}

void ctlARTView::setDecayState(int side, int column, DecayState state)
{
    m_decayStates[static_cast<std::size_t>(side)][static_cast<std::size_t>(column)] = state;
    QPushButton& button = *cmdDecay[static_cast<std::size_t>(side)][static_cast<std::size_t>(column)];
    button.setIcon(state == DecayPresent ? m_presentImage : state == DecayAbsent ? m_absentImage : QIcon());
}

std::optional<std::int32_t> ctlARTView::cellThreshold(int side, int column) const
{
    const std::string text = grdEar[static_cast<std::size_t>(side)]->GetCellText(column, 0);
    if (text.empty())
        return vellum::kNoValue;
    const QString shown = QString::fromStdString(text).trimmed();
    for (const ResultCode& result : kResultCodes)
        if (shown.compare(QString::fromUtf8(result.text.data(), static_cast<int>(result.text.size())).trimmed(),
                          Qt::CaseInsensitive)
            == 0)
            return result.code;
    // A number too large to read or to convert is as far out of range as any.
    const std::optional<std::int32_t> threshold = leadingWholeNumber(text);
    if (!threshold || *threshold < kLowestTenths / 10 || *threshold > kHighestTenths / 10)
        return std::nullopt;
    return threshold;
}

void ctlARTView::thresholdTyped(int side, std::int32_t column)
{
    const std::optional<std::int32_t> threshold = cellThreshold(side, column);
    if (!threshold) {
        grdEar[static_cast<std::size_t>(side)]->SetCellText(column, 0, "");
        return;
    }
    report(side, column, *threshold);
}

void ctlARTView::decayClicked(int side, int column)
{
    emit EditBegins();
    const DecayState state = m_decayStates[static_cast<std::size_t>(side)][static_cast<std::size_t>(column)];
    setDecayState(side, column, state == NoDecay ? DecayPresent : state == DecayPresent ? DecayAbsent : NoDecay);
    const std::optional<std::int32_t> threshold = cellThreshold(side, column);
    if (!threshold)
        grdEar[static_cast<std::size_t>(side)]->SetCellText(column, 0, "");
    report(side, column, threshold.value_or(vellum::kNoValue));
}

void ctlARTView::report(int side, int column, std::int32_t threshold)
{
    const DecayState state = m_decayStates[static_cast<std::size_t>(side)][static_cast<std::size_t>(column)];
    const std::int32_t decay = state == DecayPresent ? 1 : state == DecayAbsent ? 0 : vellum::kNoValue;
    emit PointPlot(kColumns[static_cast<std::size_t>(column)].code, threshold, decay, earOfSide(side));
}

}  // namespace brisance

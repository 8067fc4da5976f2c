#include "module/panels/IPTATable.h"

#include "module/core/CountBits16.h"
#include "module/panels/PopupMenu.h"
#include "module/panels/TwipsGeometry.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QMouseEvent>

namespace brisance {
namespace {

namespace ui = platform::ui;

// Layout, in twips.
constexpr int kMargin = 90;
constexpr int kTitleHeight = 210;
constexpr int kCountTop = 300;
constexpr int kHeadsTop = 540;
constexpr int kLineHeight = 210;
constexpr int kFirstRowTop = 780;
constexpr int kRowPitch = 300;
constexpr int kCellHeight = 270;
constexpr int kCellWidth = 600;
constexpr int kBottomMargin = 120;
constexpr int kCloseLeftOfRightEdge = 270;
constexpr int kCloseTop = 90;
constexpr int kCloseWidth = 180;
constexpr int kCloseHeight = 210;

QLabel* newLabel(QWidget* parent, const char* name, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(alignment);
    return label;
}

QLabel* newCell(QWidget* parent, const char* name)
{
    QLabel* cell = newLabel(parent, name, Qt::AlignCenter);
    cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return cell;
}

std::string textOf(const QLabel* label)
{
    return label->text().toStdString();
}

void setText(QLabel* label, const std::string& text)
{
    label->setText(QString::fromStdString(text));
}

}  // namespace

IPTATable::IPTATable(QWidget* parent)
    : FramedPanel(parent),
      lblRowCaption{newLabel(this, "lblACCaption", Qt::AlignLeft | Qt::AlignVCenter),
                    newLabel(this, "lblBCCaption", Qt::AlignLeft | Qt::AlignVCenter),
                    newLabel(this, "lblSFCaption", Qt::AlignLeft | Qt::AlignVCenter)},
      lblRight{newCell(this, "lblACRight"), newCell(this, "lblBCRight"), newCell(this, "lblSF")},
      lblLeft{newCell(this, "lblACLeft"), newCell(this, "lblBCLeft"), nullptr},
      lblRightHead(newLabel(this, "lblRightHead", Qt::AlignCenter)),
      lblLeftHead(newLabel(this, "lblLeftHead", Qt::AlignCenter)),
      lblFrequencies(newLabel(this, "lblFrequencies", Qt::AlignCenter)),
      lblClose(newLabel(this, "lblClose", Qt::AlignCenter))
{
    lblClose->setText("X");
    QFont bold = lblClose->font();
    bold.setBold(true);
    lblClose->setFont(bold);
    lblClose->installEventFilter(this);
    showFrequencyCount();
    layOut();
}

std::string IPTATable::ACLeftAverage() const { return textOf(lblLeft[AirRow]); }
void IPTATable::ACLeftAverage(const std::string& text) { setText(lblLeft[AirRow], text); }
std::string IPTATable::ACRightAverage() const { return textOf(lblRight[AirRow]); }
void IPTATable::ACRightAverage(const std::string& text) { setText(lblRight[AirRow], text); }
std::string IPTATable::BCLeftAverage() const { return textOf(lblLeft[BoneRow]); }
void IPTATable::BCLeftAverage(const std::string& text) { setText(lblLeft[BoneRow], text); }
std::string IPTATable::BCRightAverage() const { return textOf(lblRight[BoneRow]); }
void IPTATable::BCRightAverage(const std::string& text) { setText(lblRight[BoneRow], text); }
std::string IPTATable::SFAverage() const { return textOf(lblRight[SoundFieldRow]); }
void IPTATable::SFAverage(const std::string& text) { setText(lblRight[SoundFieldRow], text); }

std::size_t IPTATable::earIndex(std::int32_t ear)
{
    switch (ear) {
    case 3: return 0;
    case 2: return 1;
    default: platform::runtime::raise(platform::runtime::errors::InvalidProcedureCall);
    }
}

std::int32_t IPTATable::AverageFrequencies(std::int32_t ear) const
{
    return m_averageFrequencies[earIndex(ear)];
}

void IPTATable::AverageFrequencies(std::int32_t ear, std::int32_t mask)
{
    m_averageFrequencies[earIndex(ear)] = mask;
    showFrequencyCount();
}

std::int32_t IPTATable::DoubleAverageFrequencies(std::int32_t ear) const
{
    return m_doubleAverageFrequencies[earIndex(ear)];
}

void IPTATable::DoubleAverageFrequencies(std::int32_t ear, std::int32_t mask)
{
    m_doubleAverageFrequencies[earIndex(ear)] = mask;
}

void IPTATable::ShowACAverage(bool show) { showRow(AirRow, show); }
void IPTATable::ShowBCAverage(bool show) { showRow(BoneRow, show); }
void IPTATable::ShowSFAverage(bool show) { showRow(SoundFieldRow, show); }

void IPTATable::ACCaption(const std::string& text) { setText(lblRowCaption[AirRow], text); }
void IPTATable::BCCaption(const std::string& text) { setText(lblRowCaption[BoneRow], text); }
void IPTATable::SFCaption(const std::string& text) { setText(lblRowCaption[SoundFieldRow], text); }

void IPTATable::Caption(const std::string& text)
{
    setText(lblCaption, text);
    lblCaption->adjustSize();
}

void IPTATable::RightEarCaption(const std::string& text) { setText(lblRightHead, text); }
void IPTATable::LeftEarCaption(const std::string& text) { setText(lblLeftHead, text); }

void IPTATable::FrequencyWord(const std::string& text)
{
    m_frequencyWord = QString::fromStdString(text);
    showFrequencyCount();
}

void IPTATable::ChangeFrequenciesCaption(const std::string& text)
{
    m_changeFrequenciesCaption = QString::fromStdString(text);
}

std::int32_t IPTATable::HeightNeeded() const
{
    int rows = 0;
    for (const bool shown : m_rowShown)
        rows += shown ? 1 : 0;
    return kFirstRowTop + rows * kRowPitch + kBottomMargin;
}

QSize IPTATable::sizeHint() const
{
    return {FramedPanel::sizeHint().width(), ui::twipsToPixelsY(HeightNeeded())};
}

void IPTATable::resizeEvent(QResizeEvent*)
{
    layOut();
}

void IPTATable::mouseReleaseEvent(QMouseEvent* event)
{
    // A right click anywhere on the panel, its labels included, opens the menu.
    if (event->button() != Qt::RightButton) return FramedPanel::mouseReleaseEvent(event);
    popupMenu(*this, {{"mnuChangeFrequencies", m_changeFrequenciesCaption, [this] { emit ChangeFrequencies(); }}});
}

bool IPTATable::eventFilter(QObject* watched, QEvent* event)
{
    // A click on the close mark: released over it with the left button.
    if (watched == lblClose && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton && lblClose->rect().contains(release->position().toPoint())) {
            emit HideMe();
            return true;
        }
    }
    return FramedPanel::eventFilter(watched, event);
}

void IPTATable::showRow(Row row, bool show)
{
    m_rowShown[row] = show;
    layOut();
    updateGeometry();
}

void IPTATable::showFrequencyCount()
{
    lblFrequencies->setText(QStringLiteral("(%1%2)").arg(CountBits16(m_averageFrequencies[0])).arg(m_frequencyWord));
}

void IPTATable::layOut()
{
    const int width = Width();
    const int leftColumn = width - kMargin - kCellWidth;
    const int rightColumn = leftColumn - kCellWidth;

    lblCaption->move(ui::twipsToPixelsX(kMargin), 0);
    lblCaption->adjustSize();
    lblClose->setGeometry(twipsRect(width - kCloseLeftOfRightEdge, kCloseTop, kCloseWidth, kCloseHeight));
    lblFrequencies->setGeometry(twipsRect(rightColumn, kCountTop, 2 * kCellWidth, kLineHeight));
    lblRightHead->setGeometry(twipsRect(rightColumn, kHeadsTop, kCellWidth, kLineHeight));
    lblLeftHead->setGeometry(twipsRect(leftColumn, kHeadsTop, kCellWidth, kLineHeight));

    int top = kFirstRowTop;
    for (int row = 0; row < RowCount; ++row) {
        const bool shown = m_rowShown[row];
        lblRowCaption[row]->setVisible(shown);
        lblRight[row]->setVisible(shown);
        if (lblLeft[row]) lblLeft[row]->setVisible(shown);
        if (!shown) continue;
        lblRowCaption[row]->setGeometry(twipsRect(kMargin, top, rightColumn - 2 * kMargin, kCellHeight));
        if (lblLeft[row]) {
            lblRight[row]->setGeometry(twipsRect(rightColumn, top, kCellWidth, kCellHeight));
            lblLeft[row]->setGeometry(twipsRect(leftColumn, top, kCellWidth, kCellHeight));
        } else {
            lblRight[row]->setGeometry(twipsRect(rightColumn, top, 2 * kCellWidth, kCellHeight));
        }
        top += kRowPitch;
    }
}

}  // namespace brisance

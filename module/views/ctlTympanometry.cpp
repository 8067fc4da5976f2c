#include "module/views/ctlTympanometry.h"

#include "module/panels/TwipsGeometry.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace brisance {

namespace {

// Layout, in twips.
constexpr int kPanelWidth = 4980;
constexpr int kPanelHeight = 3000;
constexpr int kCaptionLeft = 120;
constexpr int kCaptionTop = -15;
constexpr int kCaptionHeight = 210;
constexpr int kEarLabelTop = 240;
constexpr int kLabelHeight = 240;
constexpr int kFirstRowTop = 510;
constexpr int kRowPitch = 345;
constexpr int kFieldHeight = 300;
constexpr int kRowCaptionLeft = 120;
constexpr int kRowCaptionWidth = 2400;
constexpr int kColumnLefts[] = {2580, 3780};
constexpr int kColumnWidth = 1080;

constexpr std::int32_t kBothEars = 4;
constexpr int kTypeRow = 0;
constexpr int kProbeToneRow = 6;

// The boxes' rows, below the type list, in the order they stand.
constexpr TympanogramField kBoxRows[] = {TympanogramField::PeakPressure, TympanogramField::EarCanalVolume,
                                         TympanogramField::StaticCompliance, TympanogramField::PeakHeight,
                                         TympanogramField::Gradient};

QRect fieldRect(int row, int left, int width)
{
    return twipsRect(left, kFirstRowTop + row * kRowPitch, width, kFieldHeight);
}

void setLabelText(QLabel& label, const std::string& text)
{
    label.setText(QString::fromStdString(text));
}

// The entries of a ","-separated list with its first entry moved to the end.
QStringList entriesWithFirstLast(const std::string& list)
{
    QStringList entries = QString::fromStdString(list).split(',');
    if (!entries.isEmpty() && entries.last().isEmpty())
        entries.removeLast();
    if (!entries.isEmpty())
        entries.append(entries.takeFirst());
    return entries;
}

// Fills a list with new entries, keeping the shown text (an editable list's)
// or the selected entry (a drop-down list's) when the new list has it.
void refill(QComboBox& list, const QStringList& entries)
{
    const QString shown = list.currentText();
    const bool wasSelected = list.currentIndex() >= 0;
    list.clear();
    list.addItems(entries);
    if (list.isEditable())
        list.setEditText(shown);
    else
        list.setCurrentIndex(wasSelected ? list.findText(shown) : -1);
}

}  // namespace

ctlTympanometry::ctlTympanometry(QWidget* parent)
    : FramedPanel(parent),
      lblEar{new QLabel(this), new QLabel(this)},
      cboType{new QComboBox(this), new QComboBox(this)},
      txtPeakPressure{new QLineEdit(this), new QLineEdit(this)},
      txtEarCanalVolume{new QLineEdit(this), new QLineEdit(this)},
      txtStaticCompliance{new QLineEdit(this), new QLineEdit(this)},
      txtPeakHeight{new QLineEdit(this), new QLineEdit(this)},
      txtGradient{new QLineEdit(this), new QLineEdit(this)},
      cboProbeToneFreq(new QComboBox(this)),
      lblRowCaption{}
{
    resize(twipsRect(0, 0, kPanelWidth, kPanelHeight).size());
    lblCaption->setGeometry(twipsRect(kCaptionLeft, kCaptionTop, kRowCaptionWidth, kCaptionHeight));

    const char* rowNames[] = {"lblTypeCaption",     "lblPeakPressureCaption", "lblEarCanalVolumeCaption",
                              "lblStaticComplianceCaption", "lblPeakHeightCaption", "lblGradientCaption",
                              "lblProbeToneFrequencyCaption"};
    for (std::size_t row = 0; row < lblRowCaption.size(); ++row) {
        lblRowCaption[row] = new QLabel(this);
        lblRowCaption[row]->setObjectName(rowNames[row]);
        lblRowCaption[row]->setGeometry(fieldRect(static_cast<int>(row), kRowCaptionLeft, kRowCaptionWidth));
    }

    for (int column = 0; column < 2; ++column) {
        const auto at = static_cast<std::size_t>(column);
        const int left = kColumnLefts[column];
        lblEar[at]->setObjectName(QStringLiteral("lblEar%1").arg(column));
        lblEar[at]->setAlignment(Qt::AlignCenter);
        lblEar[at]->setGeometry(twipsRect(left, kEarLabelTop, kColumnWidth, kLabelHeight));

        QComboBox& type = *cboType[at];
        type.setObjectName(QStringLiteral("cboType%1").arg(column));
        type.setGeometry(fieldRect(kTypeRow, left, kColumnWidth));
        type.setCurrentIndex(-1);
        connect(&type, &QComboBox::currentIndexChanged, this, [this, column] { raiseDataChanged(earOfColumn(column)); });

        for (std::size_t row = 0; row < std::size(kBoxRows); ++row) {
            const TympanogramField field = kBoxRows[row];
            QLineEdit& edit = box(field, earOfColumn(column));
            edit.setGeometry(fieldRect(static_cast<int>(row) + 1, left, kColumnWidth));
            connect(&edit, &QLineEdit::textChanged, this, [this, field, column] { boxEdited(field, column); });
        }
        txtPeakPressure[at]->setObjectName(QStringLiteral("txtPeakPressure%1").arg(column));
        txtEarCanalVolume[at]->setObjectName(QStringLiteral("txtEarCanalVolume%1").arg(column));
        txtStaticCompliance[at]->setObjectName(QStringLiteral("txtStaticCompliance%1").arg(column));
        txtPeakHeight[at]->setObjectName(QStringLiteral("txtPeakHeight%1").arg(column));
        txtGradient[at]->setObjectName(QStringLiteral("txtGradient%1").arg(column));
    }

    cboProbeToneFreq->setObjectName("cboProbeToneFreq");
    cboProbeToneFreq->setEditable(true);
    cboProbeToneFreq->setInsertPolicy(QComboBox::NoInsert);
    cboProbeToneFreq->setGeometry(
        fieldRect(kProbeToneRow, kColumnLefts[0], kColumnLefts[1] + kColumnWidth - kColumnLefts[0]));
    connect(cboProbeToneFreq, &QComboBox::editTextChanged, this, [this] { raiseDataChanged(kBothEars); });

    for (QWidget* input : findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(input) || qobject_cast<QComboBox*>(input))
            input->installEventFilter(this);
}

bool ctlTympanometry::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        emit EditBegins();
    return false;
}

std::string ctlTympanometry::Caption() const
{
    return lblCaption->text().toStdString();
}

void ctlTympanometry::Caption(const std::string& text)
{
    setLabelText(*lblCaption, text);
}

void ctlTympanometry::RightEarOnLeft(bool rightOnLeft)
{
    const QString leftCaption = lblEar[static_cast<std::size_t>(m_leftEarColumn)]->text();
    const QString rightCaption = lblEar[static_cast<std::size_t>(m_rightEarColumn)]->text();
    m_rightEarOnLeft = rightOnLeft;
    m_leftEarColumn = rightOnLeft ? 1 : 0;
    m_rightEarColumn = rightOnLeft ? 0 : 1;
    lblEar[static_cast<std::size_t>(m_leftEarColumn)]->setText(leftCaption);
    lblEar[static_cast<std::size_t>(m_rightEarColumn)]->setText(rightCaption);
}

void ctlTympanometry::TypeCaption(const std::string& text)
{
    setLabelText(*lblRowCaption[0], text);
}

void ctlTympanometry::PeakPressureCaption(const std::string& text)
{
    setLabelText(*lblRowCaption[1], text);
}

void ctlTympanometry::EarCanalVolumeCaption(const std::string& text)
{
    setLabelText(*lblRowCaption[2], text);
}

void ctlTympanometry::StaticComplianceCaption(const std::string& text)
{
    setLabelText(*lblRowCaption[3], text);
}

void ctlTympanometry::PeakHeightCaption(const std::string& text)
{
    setLabelText(*lblRowCaption[4], text);
}

void ctlTympanometry::GradientCaption(const std::string& text)
{
    setLabelText(*lblRowCaption[5], text);
}

void ctlTympanometry::ProbeToneFrequencyCaption(const std::string& text)
{
    setLabelText(*lblRowCaption[kProbeToneRow], text);
}

void ctlTympanometry::EarLabel(std::int32_t Ear, const std::string& text)
{
    setLabelText(*lblEar[static_cast<std::size_t>(columnOf(Ear))], text);
}

std::int32_t ctlTympanometry::TympType(std::int32_t Ear) const
{
    return typeCode(cboType[static_cast<std::size_t>(columnOf(Ear))]->currentText().toStdString());
}

void ctlTympanometry::TympType(std::int32_t Ear, std::int32_t code)
{
    QComboBox& list = *cboType[static_cast<std::size_t>(columnOf(Ear))];
    const int position = typeListPosition(code);
    list.setCurrentIndex(position < list.count() ? position : -1);
}

std::string ctlTympanometry::PeakPressure(std::int32_t Ear) const
{
    return fieldValue(TympanogramField::PeakPressure, Ear);
}

void ctlTympanometry::PeakPressure(std::int32_t Ear, const std::string& value)
{
    showValue(TympanogramField::PeakPressure, Ear, value);
}

std::string ctlTympanometry::EarCanalVolume(std::int32_t Ear) const
{
    return fieldValue(TympanogramField::EarCanalVolume, Ear);
}

void ctlTympanometry::EarCanalVolume(std::int32_t Ear, const std::string& value)
{
    showValue(TympanogramField::EarCanalVolume, Ear, value);
}

std::string ctlTympanometry::StaticCompliance(std::int32_t Ear) const
{
    return fieldValue(TympanogramField::StaticCompliance, Ear);
}

void ctlTympanometry::StaticCompliance(std::int32_t Ear, const std::string& value)
{
    showValue(TympanogramField::StaticCompliance, Ear, value);
}

std::string ctlTympanometry::PeakHeight(std::int32_t Ear) const
{
    return fieldValue(TympanogramField::PeakHeight, Ear);
}

void ctlTympanometry::PeakHeight(std::int32_t Ear, const std::string& value)
{
    showValue(TympanogramField::PeakHeight, Ear, value);
}

std::string ctlTympanometry::Gradient(std::int32_t Ear) const
{
    return fieldValue(TympanogramField::Gradient, Ear);
}

void ctlTympanometry::Gradient(std::int32_t Ear, const std::string& value)
{
    showValue(TympanogramField::Gradient, Ear, value);
}

std::string ctlTympanometry::ProbeToneFrequency() const
{
    return valueOfShown(TympanogramField::ProbeTone, cboProbeToneFreq->currentText().toStdString());
}

void ctlTympanometry::ProbeToneFrequency(const std::string& value)
{
    cboProbeToneFreq->setEditText(QString::fromStdString(shownText(TympanogramField::ProbeTone, value)));
}

void ctlTympanometry::PossibleProbeToneFrequencies(const std::string& list)
{
    const QScopedValueRollback quiet(m_fireEvents, false);
    refill(*cboProbeToneFreq, entriesWithFirstLast(list));
}

void ctlTympanometry::PossibleTypes(const std::string& list)
{
    const QScopedValueRollback quiet(m_fireEvents, false);
    const QStringList entries = entriesWithFirstLast(list);
    for (QComboBox* types : cboType)
        refill(*types, entries);
}

void ctlTympanometry::Clear()
{
    const QScopedValueRollback quiet(m_fireEvents, false);
    for (int column = 0; column < 2; ++column) {
        cboType[static_cast<std::size_t>(column)]->setCurrentIndex(-1);
        for (TympanogramField field : kBoxRows)
            box(field, earOfColumn(column)).clear();
    }
    cboProbeToneFreq->setEditText({});
}

int ctlTympanometry::columnOf(std::int32_t ear) const
{
    return ear == vellum::kEarLeft ? m_leftEarColumn : m_rightEarColumn;
}

std::int32_t ctlTympanometry::earOfColumn(int column) const
{
    return column == m_leftEarColumn ? vellum::kEarLeft : vellum::kEarRight;
}

QLineEdit& ctlTympanometry::box(TympanogramField field, std::int32_t ear) const
{
    const auto column = static_cast<std::size_t>(columnOf(ear));
    switch (field) {
    case TympanogramField::PeakPressure: return *txtPeakPressure[column];
    case TympanogramField::EarCanalVolume: return *txtEarCanalVolume[column];
    case TympanogramField::StaticCompliance: return *txtStaticCompliance[column];
    case TympanogramField::PeakHeight: return *txtPeakHeight[column];
    default: return *txtGradient[column];
    }
}

std::string ctlTympanometry::fieldValue(TympanogramField field, std::int32_t ear) const
{
    return valueOfShown(field, box(field, ear).text().toStdString());
}

void ctlTympanometry::showValue(TympanogramField field, std::int32_t ear, const std::string& value)
{
    box(field, ear).setText(QString::fromStdString(shownText(field, value)));
}

void ctlTympanometry::boxEdited(TympanogramField field, int column)
{
    if (!m_fireEvents)
        return;
    const std::int32_t ear = earOfColumn(column);
    QLineEdit& edit = box(field, ear);
    const std::string text = edit.text().toStdString();
    const std::string bounded = withinInputBound(field, text);
    if (bounded != text) {
        // The cut text is a change of its own, which raises the event.
        edit.setText(QString::fromStdString(bounded));
        return;
    }
    raiseDataChanged(ear);
}

void ctlTympanometry::raiseDataChanged(std::int32_t ear)
{
    if (m_fireEvents)
        emit DataChanged(ear);
}

}  // namespace brisance

#include "module/panels/INotes.h"

#include "module/core/ShowRaisedError.h"
#include "module/core/StoreSelection.h"
#include "module/panels/CDataChanged.h"
#include "module/panels/CQuickFillComboEdit.h"
#include "module/panels/TwipsGeometry.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

#include <algorithm>
#include <cctype>

namespace brisance {
namespace {

namespace errors = platform::runtime::errors;
namespace ui = platform::ui;
using platform::runtime::RuntimeError;

constexpr std::int16_t kAudiometerCategory = 1000;
constexpr std::int16_t kAudiometerSection = 0;

constexpr const char* kRecentListNames[] = {"Method", "Reliability", "User1", "User2"};
constexpr std::int32_t kCalibrationDateNoteType = 1;
constexpr std::int32_t kFirstRecentNoteType = 2;
constexpr std::int32_t kUser1NoteType = 4;
constexpr std::int32_t kCommentsNoteType = 6;

// Layout, in twips.
constexpr int kPanelHeight = 2935;
constexpr int kDesignWidth = 4500;
constexpr int kFirstRowTop = 210;
constexpr int kRowPitch = 360;
constexpr int kLabelBelowField = 120;
constexpr int kCommentsBelowPanel = 200;
constexpr int kLabelLeft = 90;
constexpr int kFieldLeft = 1530;
constexpr int kRightMargin = 100;
constexpr int kDateLabelGap = 50;
constexpr int kFieldHeight = 315;
constexpr int kLabelHeight = 195;
constexpr int kDateWidth = 1215;
constexpr int kCaptionHeight = 195;

constexpr const char* kFieldNames[] = {"cboMake",  "txtCalibrationDate", "cboTestMethod", "cboTestReliability",
                                       "cboUser1", "cboUser2",           "txtComments"};
constexpr const char* kLabelNames[] = {"lblMake",  "lblCalibrationDate", "lblTestMethod", "lblTestReliability",
                                       "lblUser1", "lblUser2",           "lblComments"};

QComboBox* newCombo(QWidget* parent, bool editable)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(editable);
    // A typed text is the field's value, never a new item of the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

bool isBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

// A label's width follows its text; its height stays the design's.
void fitLabel(QLabel& label, int heightTwips)
{
    label.resize(label.sizeHint().width(), ui::twipsToPixelsY(heightTwips));
}

void setLeftTwips(QWidget& widget, int twips)
{
    widget.move(ui::twipsToPixelsX(twips), widget.y());
}

void setTopTwips(QWidget& widget, int twips)
{
    widget.move(widget.x(), ui::twipsToPixelsY(twips));
}

}  // namespace

INotes::INotes(QWidget* parent)
    : FramedPanel(parent),
      cboMake(newCombo(this, false)),
      txtCalibrationDate(new QLineEdit(this)),
      cboTestMethod(newCombo(this, true)),
      cboTestReliability(newCombo(this, true)),
      cboUser1(newCombo(this, true)),
      cboUser2(newCombo(this, true)),
      txtComments(new QPlainTextEdit(this)),
      m_fields{cboMake, txtCalibrationDate, cboTestMethod, cboTestReliability, cboUser1, cboUser2, txtComments},
      m_labels{},
      m_recentCombos{cboTestMethod, cboTestReliability, cboUser1, cboUser2}
{
    m_shown.fill(true);
    resize(ui::twipsToPixelsX(kDesignWidth), ui::twipsToPixelsY(kPanelHeight));
    for (int type = 0; type < kNoteTypeCount; ++type) {
        QWidget& field = *m_fields[type];
        field.setObjectName(kFieldNames[type]);
        field.setGeometry(twipsRect(kFieldLeft, 0, kDesignWidth - kFieldLeft - kRightMargin, kFieldHeight));
        auto* label = new QLabel(this);
        label->setObjectName(kLabelNames[type]);
        label->setBuddy(&field);
        label->move(ui::twipsToPixelsX(kLabelLeft), 0);
        fitLabel(*label, kLabelHeight);
        m_labels[type] = label;
    }
    txtCalibrationDate->resize(ui::twipsToPixelsX(kDateWidth), txtCalibrationDate->height());
    lblCaption->setBuddy(cboMake);
    Caption("Notes");

    for (std::size_t i = 0; i < m_quickFills.size(); ++i) {
        m_quickFills[i] = new CQuickFillComboEdit(this);
        m_quickFills[i]->Control(m_recentCombos[i]);
    }

    for (int type = 0; type < kNoteTypeCount; ++type) {
        auto* change = new CDataChanged(this);
        if (auto* combo = qobject_cast<QComboBox*>(m_fields[type]))
            change->ComboBox(combo);
        else if (auto* line = qobject_cast<QLineEdit*>(m_fields[type]))
            change->TextBox(line);
        else
            change->TextBox(txtComments);
        connect(change, &CDataChanged::DataChanged, this, [this, type] {
            if (m_tracking) emit DataChanged(type);
        });
    }
    // After the make's notifier, so that a new make is reported before the
    // calibration date it brings.
    connect(cboMake, &QComboBox::currentIndexChanged, this, &INotes::makeSelectionChanged);

    LayoutFields();
    m_tracking = true;
}

INotes::~INotes()
{
    for (CQuickFillComboEdit* quickFill : m_quickFills) quickFill->Control(nullptr);
}

void INotes::checkNoteType(std::int32_t NoteType)
{
    if (NoteType < 0 || NoteType >= kNoteTypeCount) platform::runtime::raise(errors::SubscriptOutOfRange);
}

vellum::IVellumKeyedStore& INotes::prefs() const
{
    if (!m_prefs) platform::runtime::raise(errors::ObjectNotSet);
    return *m_prefs;
}

void INotes::Clear()
{
    const QScopedValueRollback quiet(m_tracking, false);
    {
        const QScopedValueRollback byCode(m_selectingMakeByCode, true);
        cboMake->setCurrentIndex(-1);
    }
    txtCalibrationDate->setReadOnly(false);
    txtCalibrationDate->clear();
    for (QComboBox* combo : m_recentCombos) {
        combo->setCurrentIndex(-1);
        combo->clearEditText();
    }
    txtComments->clear();
}

bool INotes::SaveToMRUList(std::int32_t Category, std::int32_t Section)
{
    vellum::IVellumKeyedStore& store = prefs();
    for (std::size_t i = 0; i < m_recentLists.size(); ++i) {
        const std::string text = m_recentCombos[i]->currentText().toStdString();
        if (!text.empty()) m_recentLists[i].AddItem(text);
    }
    for (std::size_t i = 0; i < m_recentLists.size(); ++i)
        m_recentLists[i].SaveList(store, Category, Section, kRecentListNames[i]);
    return false;
}

bool INotes::LoadMRUList(std::int32_t Category, std::int32_t Section)
{
    vellum::IVellumKeyedStore& store = prefs();
    for (std::size_t i = 0; i < m_recentLists.size(); ++i)
        m_recentLists[i].LoadList(store, Category, Section, kRecentListNames[i]);
    const QScopedValueRollback quiet(m_tracking, false);
    for (std::size_t i = 0; i < m_recentLists.size(); ++i) FillComboFromList(*m_recentCombos[i], m_recentLists[i]);
    return false;
}

void INotes::FillComboFromList(QComboBox& combo, const CMRUList& list)
{
    // Qt empties an editable combo's text with its items; the text is the
    // field's value and stays.
    const QString typed = combo.currentText();
    combo.clear();
    for (const std::string& entry : list.GetList())
        if (!entry.empty()) combo.addItem(QString::fromStdString(entry));
    combo.setCurrentIndex(-1);
    combo.setEditText(typed);
}

void INotes::ShowNoteType(std::int32_t NoteType, bool blnShow)
{
    checkNoteType(NoteType);
    m_labels[NoteType]->setVisible(blnShow);
    m_shown[NoteType] = blnShow;
    m_fields[NoteType]->setVisible(blnShow);
    LayoutFields();
}

void INotes::SetNoteTypeText(std::int32_t NoteType, const std::string& Text)
{
    checkNoteType(NoteType);
    {
        const QScopedValueRollback quiet(m_tracking, false);
        const QString text = QString::fromStdString(Text);
        switch (NoteType) {
        case 0: {
            int found = cboMake->findText(text);
            if (found < 0) {
                if (isBlank(Text)) break;
                const QScopedValueRollback byCode(m_selectingMakeByCode, true);
                cboMake->addItem(text);
                found = cboMake->count() - 1;
            }
            selectMake(found);
            break;
        }
        case kCalibrationDateNoteType: txtCalibrationDate->setText(text); break;
        case kCommentsNoteType: txtComments->setPlainText(text); break;
        default: m_recentCombos[NoteType - kFirstRecentNoteType]->setEditText(text); break;
        }
    }
    emit DataChanged(0);
}

std::string INotes::GetNoteTypeText(std::int32_t NoteType) const
{
    checkNoteType(NoteType);
    switch (NoteType) {
    case 0: return cboMake->currentIndex() < 0 ? std::string() : cboMake->currentText().toStdString();
    case kCalibrationDateNoteType: return txtCalibrationDate->text().toStdString();
    case kCommentsNoteType: return txtComments->toPlainText().toStdString();
    default: return m_recentCombos[NoteType - kFirstRecentNoteType]->currentText().toStdString();
    }
}

void INotes::SetNoteTypeLabel(std::int32_t NoteType, const std::string& Label)
{
    // The user's own name of a user field wins over the given label.
    const int userField = NoteType - kUser1NoteType;
    if ((userField == 0 || userField == 1) && !m_userDefined[userField].empty()) return;
    checkNoteType(NoteType);
    setLabelText(NoteType, Label);
}

std::string INotes::GetNoteTypeLabel(std::int32_t NoteType) const
{
    checkNoteType(NoteType);
    return m_labels[NoteType]->text().toStdString();
}

std::string INotes::Caption() const
{
    return lblCaption->text().toStdString();
}

void INotes::Caption(const std::string& text)
{
    lblCaption->setText(QString::fromStdString(text));
    lblCaption->move(ui::twipsToPixelsX(kLabelLeft), 0);
    fitLabel(*lblCaption, kCaptionHeight);
}

void INotes::Prefs(vellum::ComPtr<vellum::IVellumKeyedStore> store)
{
    m_prefs = std::move(store);
}

void INotes::LoadAudiometers()
{
    vellum::IVellumKeyedStore& store = prefs();
    const StoreSelectionKeeper audiometers(store, kAudiometerCategory, kAudiometerSection);
    const QString remembered = cboMake->currentText();
    const std::vector<std::string> names = SelectedSectionKeys(store);
    {
        const QScopedValueRollback quiet(m_tracking, false);
        const QScopedValueRollback byCode(m_selectingMakeByCode, true);
        cboMake->clear();
        for (const std::string& name : names) cboMake->addItem(QString::fromStdString(name));
        cboMake->setCurrentIndex(-1);
    }
    if (remembered.isEmpty()) return;
    const int kept = cboMake->findText(remembered);
    if (kept >= 0) selectMake(kept);
}

void INotes::UserDefined1(const std::string& name)
{
    setUserDefined(0, name);
}

void INotes::UserDefined2(const std::string& name)
{
    setUserDefined(1, name);
}

void INotes::setUserDefined(int field, const std::string& name)
{
    m_userDefined[field] = name;
    setLabelText(kUser1NoteType + field, name);
}

void INotes::setLabelText(std::int32_t NoteType, const std::string& text)
{
    QLabel& label = *m_labels[NoteType];
    label.setText(QString::fromStdString(text));
    fitLabel(label, kLabelHeight);
    LayoutWidths();
}

void INotes::selectMake(int index)
{
    {
        const QScopedValueRollback byCode(m_selectingMakeByCode, true);
        cboMake->setCurrentIndex(index);
    }
    cboMake_Click();
}

void INotes::makeSelectionChanged()
{
    if (m_selectingMakeByCode) return;
    try {
        cboMake_Click();
    } catch (const RuntimeError& error) {
        ShowRaisedError(this, error);
    }
}

void INotes::cboMake_Click()
{
    if (cboMake->currentIndex() < 0) return;
    vellum::IVellumKeyedStore& store = prefs();
    std::string date;
    {
        const StoreSelectionKeeper audiometers(store, kAudiometerCategory, kAudiometerSection);
        date = platform::runtime::joinedText(store.get_Value(cboMake->currentText().toStdString()));
    }
    txtCalibrationDate->setText(QString::fromStdString(date));
}

void INotes::resizeEvent(QResizeEvent*)
{
    LayoutWidths();
}

void INotes::LayoutFields()
{
    Height(kPanelHeight);
    int y = kFirstRowTop;
    for (int type = 0; type < kNoteTypeCount; ++type) {
        if (!m_shown[type]) continue;
        setTopTwips(*m_fields[type], y);
        setTopTwips(*m_labels[type], y + kLabelBelowField);
        y += kRowPitch;
    }
    txtComments->resize(txtComments->width(), ui::twipsToPixelsY(kPanelHeight - y + kCommentsBelowPanel));
    LayoutWidths();
    update();
}

void INotes::LayoutWidths()
{
    const int width = Width();
    const int fieldWidth = std::max(1, width - kFieldLeft - kRightMargin);
    for (int type = 0; type < kNoteTypeCount; ++type)
        if (type != kCalibrationDateNoteType)
            m_fields[type]->resize(ui::twipsToPixelsX(fieldWidth), m_fields[type]->height());

    // The calibration date keeps its width and stands at the right, its label
    // just left of it.
    const int dateLeft = width - ui::pixelsToTwipsX(txtCalibrationDate->width()) - kRightMargin;
    setLeftTwips(*txtCalibrationDate, dateLeft);
    QLabel& dateLabel = *m_labels[kCalibrationDateNoteType];
    setLeftTwips(dateLabel, dateLeft - ui::pixelsToTwipsX(dateLabel.width()) - kDateLabelGap);
}

}  // namespace brisance

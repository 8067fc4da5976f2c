#include "module/panels/SpeechTable.h"

#include "module/panels/ControlColours.h"
#include "module/panels/EntryNumbers.h"
#include "module/panels/TwipsGeometry.h"
#include "platform/runtime/Conversions.h"
#include "platform/ui/Sound.h"
#include "platform/ui/Twips.h"
#include "vellum/IVellumDataLayer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace brisance {

namespace ui = platform::ui;
namespace runtime = platform::runtime;

namespace {

// Which columns a test shows, by its curve type, in field order: score, dB,
// mask, noise.
struct ColumnSet {
    std::int32_t firstType;
    std::int32_t lastType;
    std::array<bool, 4> shown;
};

constexpr ColumnSet kColumnSets[] = {
    {10, 12, {true, true, true, false}},    // discrimination
    {13, 14, {true, true, false, true}},    // discrimination in noise
    {15, 17, {false, true, true, false}},   // reception, detection and awareness thresholds
    {20, 25, {false, true, true, false}},
    {18, 19, {false, true, false, true}},   // reception threshold in noise
    {26, 29, {false, true, false, false}},  // most comfortable and uncomfortable levels
};

const ColumnSet* columnSetOf(std::int32_t curveType)
{
    const auto found = std::find_if(std::begin(kColumnSets), std::end(kColumnSets), [curveType](const ColumnSet& set) {
        return curveType >= set.firstType && curveType <= set.lastType;
    });
    return found == std::end(kColumnSets) ? nullptr : found;
}

// A test in noise keeps a noise level where other tests keep masking.
bool isTestInNoise(std::int32_t curveType)
{
    const ColumnSet* set = columnSetOf(curveType);
    return set && set->shown[3];
}

// The row groups, 0 leftmost.
constexpr int kGroups = 3;

// Layout, in twips.
constexpr int kPanelWidth = 9225;
constexpr int kPanelHeight = 1185;
constexpr int kCaptionLeft = 210;
constexpr int kCaptionWidth = 1590;
constexpr int kLabelHeight = 195;
constexpr int kEarLabelWidth = 240;
constexpr int kBoxWidth = 555;
constexpr int kBoxHeight = 285;
constexpr int kBoxTop = 405;
constexpr int kFirstGroupLeft = 195;
constexpr int kGroupGap = 300;
constexpr int kEarLabelGap = 150;
constexpr int kTestConditionsLeft = 60;
constexpr int kTestConditionsTop = 825;
constexpr int kTestConditionsMargin = 120;

// What a box makes of the characters a key would type. A character above
// code 47 that is no digit is refused; the others (control keys, the blank,
// the signs, the point) are taken, up to three characters, though a text set
// by code may be longer.
enum class Typing { Take, Drop, Refuse };
constexpr int kMaxTypedCharacters = 3;
constexpr char16_t kHighestTakenCode = 47;

bool isControlCharacter(QChar c)
{
    return c.unicode() < 32 || c.unicode() == 127;
}

bool isRefused(QChar c)
{
    return c.unicode() > kHighestTakenCode && !isControlCharacter(c) && !(c >= u'0' && c <= u'9');
}

Typing typingInto(const QLineEdit& box, const QString& typed)
{
    if (std::any_of(typed.begin(), typed.end(), isRefused))
        return Typing::Refuse;
    if (std::all_of(typed.begin(), typed.end(), isControlCharacter))
        return Typing::Take;
    QString result = box.text();
    if (box.hasSelectedText())
        result.replace(box.selectionStart(), box.selectedText().size(), typed);
    else
        result.insert(box.cursorPosition(), typed);
    return result.size() > kMaxTypedCharacters ? Typing::Drop : Typing::Take;
}

// The number at the start of a box's text, rounded half to even; a text
// without one reads 0. None for an empty box, or for a number too large to
// convert.
std::optional<std::int32_t> boxNumber(const QLineEdit& box)
{
    const std::string text = box.text().toStdString();
    if (text.empty())
        return std::nullopt;
    return leadingWholeNumber(text);
}

void setBoxText(QLineEdit& box, const std::string& text)
{
    box.setText(QString::fromStdString(text));
}

int widthTwips(const QWidget& widget)
{
    return ui::pixelsToTwipsX(widget.width());
}

// Sets a label's caption; its width follows the caption, its height stays.
void setFittedCaption(QLabel& label, const std::string& caption)
{
    label.setText(QString::fromStdString(caption));
    label.resize(label.sizeHint().width(), label.height());
}

// Turns the flag off while it lives.
class EventsOff {
public:
    explicit EventsOff(bool& flag) : m_flag(flag) { m_flag = false; }
    ~EventsOff() { m_flag = true; }
    EventsOff(const EventsOff&) = delete;
    EventsOff& operator=(const EventsOff&) = delete;

private:
    bool& m_flag;
};

}  // namespace

const std::array<SpeechTable::Boxes SpeechTable::*, SpeechTable::FieldCount> SpeechTable::kBoxes{
    &SpeechTable::txtScore, &SpeechTable::txtdB, &SpeechTable::txtMask, &SpeechTable::txtNoise};
const std::array<SpeechTable::Headings SpeechTable::*, SpeechTable::FieldCount> SpeechTable::kHeadings{
    &SpeechTable::lblScore, &SpeechTable::lbldB, &SpeechTable::lblMask, &SpeechTable::lblNoise};

SpeechTable::SpeechTable(QWidget* parent) : FramedPanel(parent)
{
    resize(twipsRect(0, 0, kPanelWidth, kPanelHeight).size());
    lblCaption->setText("Speech Table Caption");
    lblCaption->setGeometry(twipsRect(kCaptionLeft, 0, kCaptionWidth, kLabelHeight));

    const char* const fieldNames[] = {"Score", "dB", "Mask", "Noise"};
    QWidget* previous = nullptr;
    for (int group = 0; group < kGroups; ++group) {
        QLabel* ear = new QLabel("Ear", this);
        ear->setObjectName(QStringLiteral("lblEarLabel%1").arg(group));
        ear->setGeometry(twipsRect(0, kBoxTop, kEarLabelWidth, kLabelHeight));
        lblEarLabel[static_cast<std::size_t>(group)] = ear;
        for (int field = 0; field < FieldCount; ++field) {
            const QString name = QString::fromLatin1(fieldNames[field]);
            QLabel* label = new QLabel(name, this);
            label->setObjectName(QStringLiteral("lbl%1%2").arg(name).arg(group));
            label->setAlignment(Qt::AlignCenter);
            label->resize(twipsRect(0, 0, kBoxWidth, kLabelHeight).size());
            QLineEdit* entry = new QLineEdit(this);
            entry->setObjectName(QStringLiteral("txt%1%2").arg(name).arg(group));
            entry->setAlignment(Qt::AlignCenter);
            entry->resize(twipsRect(0, 0, kBoxWidth, kBoxHeight).size());
            entry->installEventFilter(this);
            connect(entry, &QLineEdit::textChanged, this, [this, group] { boxTextChanged(group); });
            (this->*kHeadings[static_cast<std::size_t>(field)])[static_cast<std::size_t>(group)] = label;
            (this->*kBoxes[static_cast<std::size_t>(field)])[static_cast<std::size_t>(group)] = entry;
            if (previous)
                setTabOrder(previous, entry);
            previous = entry;
        }
    }

    txtTestConditions = new QLineEdit("Test Conditions", this);
    txtTestConditions->setObjectName("txtTestConditions");
    txtTestConditions->setFrame(false);
    QPalette colours = txtTestConditions->palette();
    colours.setColor(QPalette::Base, qtColour(kButtonFaceColour));
    txtTestConditions->setPalette(colours);
    txtTestConditions->setGeometry(twipsRect(kTestConditionsLeft, kTestConditionsTop,
                                             kPanelWidth - kTestConditionsMargin, kBoxHeight));
    setTabOrder(previous, txtTestConditions);

    ShowColumns();
}

void SpeechTable::LeftEarCaption(const std::string& caption)
{
    m_leftEarCaption = caption;
    ShowEarCaptions();
}

void SpeechTable::RightEarCaption(const std::string& caption)
{
    m_rightEarCaption = caption;
    ShowEarCaptions();
}

void SpeechTable::BinauralEarCaption(const std::string& caption)
{
    m_binauralEarCaption = caption;
    ShowEarCaptions();
}

void SpeechTable::ScoreCaption(const std::string& caption)
{
    setHeadings(lblScore, caption);
}

void SpeechTable::dBCaption(const std::string& caption)
{
    setHeadings(lbldB, caption);
}

void SpeechTable::MaskCaption(const std::string& caption)
{
    setHeadings(lblMask, caption);
}

void SpeechTable::NoiseCaption(const std::string& caption)
{
    setHeadings(lblNoise, caption);
}

std::string SpeechTable::TableCaption() const
{
    return lblCaption->text().toStdString();
}

void SpeechTable::TableCaption(const std::string& caption)
{
    // A test's caption shows whole, however long.
    setFittedCaption(*lblCaption, caption);
}

std::string SpeechTable::TestDescription() const
{
    return txtTestConditions->text().toStdString();
}

void SpeechTable::TestDescription(const std::string& text)
{
    setBoxText(*txtTestConditions, text);
}

void SpeechTable::Clear()
{
    const EventsOff quiet(m_blnFireEvents);
    for (int group = 0; group < kGroups; ++group)
        for (int field = 0; field < FieldCount; ++field)
            box(group, field)->clear();
}

void SpeechTable::ConfigureTable(std::int32_t TestType, std::int32_t, std::int32_t)
{
    if (const ColumnSet* set = columnSetOf(TestType))
        for (int field = 0; field < FieldCount; ++field)
            shows(field) = set->shown[static_cast<std::size_t>(field)];
    ShowColumns();
}

void SpeechTable::ShowColumns()
{
    for (int group = 0; group < kGroups; ++group)
        for (int field = 0; field < FieldCount; ++field) {
            box(group, field)->setVisible(shows(field));
            heading(group, field)->setVisible(shows(field));
        }
    ArrangeColumns();
}

void SpeechTable::LoadCurve(vellum::IVellumSpeechCurve& curve)
{
    const EventsOff quiet(m_blnFireEvents);
    const auto measurement = curve.get_Measurement();
    const std::optional<int> group = groupOfEar(measurement->get_Ear());
    if (!group)
        return;
    const auto at = static_cast<std::size_t>(*group);
    QLineEdit& levelBox = *txtdB[at];
    QLineEdit& scoreBox = *txtScore[at];
    QLineEdit& maskingBox = *(isTestInNoise(measurement->get_CurveType()) ? txtNoise : txtMask)[at];

    const auto points = curve.get_Points()->get__NewEnum();
    runtime::Variant item;
    while (points->Next(1, &item, nullptr) == platform::com::S_OK) {
        const auto point = item.toObject().as<vellum::IVellumSpeechPoint>();
        setBoxText(levelBox, runtime::numberText(point->get_Level() / 10.0));
        // The data object marks a missing masking level with -3276, the
        // module's own values with -32767; neither is a level to show.
        const std::int16_t masking = point->get_MaskingLevel();
        if (masking == vellum::kNoSpeechMasking || masking == vellum::kNoValue) {
            txtNoise[at]->clear();
            txtMask[at]->clear();
        } else {
            setBoxText(maskingBox, std::to_string(masking));
        }
        const std::int16_t score = point->get_Score();
        setBoxText(scoreBox, score == vellum::kNoValue ? std::string() : runtime::numberText(score / 100.0));
    }
}

bool SpeechTable::GetEarData(std::int32_t Ear, std::int32_t& dB, std::int32_t& SCORE, std::int32_t& MaskOrNoise)
{
    const std::optional<int> group = groupOfEar(Ear);
    if (!group)
        return false;
    const auto at = static_cast<std::size_t>(*group);
    const std::optional<std::int32_t> level = boxNumber(*txtdB[at]);
    if (!level)
        return false;
    dB = *level;
    MaskOrNoise = boxNumber(*txtMask[at]).value_or(boxNumber(*txtNoise[at]).value_or(vellum::kNoValue));

    QLineEdit& scoreBox = *txtScore[at];
    std::optional<std::int32_t> score = boxNumber(scoreBox);
    if (score && *score > 100) {
        // The host hears of the corrected score at once and may change the
        // boxes while it does, so the box is read again afterwards.
        scoreBox.setText("100");
        scoreBox.setFocus();
        score = boxNumber(scoreBox);
    }
    SCORE = score.value_or(vellum::kNoValue);
    return true;
}

void SpeechTable::Refresh()
{
    ShowEarCaptions();
    ArrangeColumns();
    update();
}

void SpeechTable::resizeEvent(QResizeEvent*)
{
    // A panel too narrow for the line leaves it as it is.
    const int width = Width() - kTestConditionsMargin;
    if (width >= 0)
        txtTestConditions->resize(ui::twipsToPixelsX(width), txtTestConditions->height());
}

bool SpeechTable::eventFilter(QObject* watched, QEvent* event)
{
    const std::optional<BoxPosition> at = positionOf(watched);
    if (!at)
        return false;
    QLineEdit& entry = *box(at->group, at->field);
    switch (event->type()) {
    case QEvent::KeyPress: return boxKeyPressed(entry, *at, static_cast<const QKeyEvent&>(*event));
    case QEvent::FocusIn:
        entry.selectAll();
        m_selectOnRelease = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason ? &entry : nullptr;
        return false;
    case QEvent::MouseButtonRelease:
        if (m_selectOnRelease == &entry) {
            m_selectOnRelease = nullptr;
            entry.selectAll();
        }
        return false;
    default: return false;
    }
}

QLineEdit* SpeechTable::box(int group, int field) const
{
    return (this->*kBoxes[static_cast<std::size_t>(field)])[static_cast<std::size_t>(group)];
}

QLabel* SpeechTable::heading(int group, int field) const
{
    return (this->*kHeadings[static_cast<std::size_t>(field)])[static_cast<std::size_t>(group)];
}

bool& SpeechTable::shows(int field)
{
    switch (field) {
    case Score: return m_blnShowScore;
    case dB: return m_blnShowdB;
    case Mask: return m_blnShowMask;
    default: return m_blnShowNoise;
    }
}

std::optional<SpeechTable::BoxPosition> SpeechTable::positionOf(const QObject* object) const
{
    for (int group = 0; group < kGroups; ++group)
        for (int field = 0; field < FieldCount; ++field)
            if (box(group, field) == object)
                return BoxPosition{group, field};
    return std::nullopt;
}

std::optional<int> SpeechTable::groupOfEar(std::int32_t ear) const
{
    switch (ear) {
    case vellum::kEarRight: return m_intRightPos;
    case vellum::kEarLeft: return m_intLeftPos;
    case vellum::kEarBinaural: return m_intBinauralPos;
    default: return std::nullopt;
    }
}

std::int32_t SpeechTable::earOfGroup(int group) const
{
    if (group == m_intRightPos)
        return vellum::kEarRight;
    return group == m_intLeftPos ? vellum::kEarLeft : vellum::kEarBinaural;
}

void SpeechTable::ShowEarCaptions()
{
    setFittedCaption(*lblEarLabel[m_intLeftPos], m_leftEarCaption);
    setFittedCaption(*lblEarLabel[m_intRightPos], m_rightEarCaption);
    setFittedCaption(*lblEarLabel[m_intBinauralPos], m_binauralEarCaption);
}

void SpeechTable::ArrangeColumns()
{
    // Each group has room for three boxes, whatever the column set.
    const int boxWidth = widthTwips(*txtScore[0]);
    int groupLeft = kFirstGroupLeft;
    for (int group = 0; group < kGroups; ++group) {
        QLabel& ear = *lblEarLabel[static_cast<std::size_t>(group)];
        ear.move(twipsRect(groupLeft, kBoxTop, 0, 0).topLeft());
        int cursor = groupLeft + widthTwips(ear) + kEarLabelGap;
        for (int field = 0; field < FieldCount; ++field) {
            QLineEdit& entry = *box(group, field);
            QLabel& label = *heading(group, field);
            const bool noMasking = field == Mask && (!m_blnShowMask || group == m_intBinauralPos);
            if (noMasking) {
                entry.hide();
                label.hide();
            }
            if (noMasking || !shows(field))
                continue;
            entry.show();
            label.show();
            entry.move(twipsRect(cursor, kBoxTop, 0, 0).topLeft());
            // A heading wider than its box shows whole.
            const QRect place = twipsRect(cursor, kBoxTop - kLabelHeight, kBoxWidth, kLabelHeight);
            label.setGeometry(place.x(), place.y(), std::max(entry.width(), label.sizeHint().width()), place.height());
            cursor += boxWidth;
        }
        groupLeft += 3 * boxWidth + widthTwips(ear) + kGroupGap;
    }
}

void SpeechTable::setHeadings(Headings& headings, const std::string& caption)
{
    for (QLabel* label : headings)
        label->setText(QString::fromStdString(caption));
}

void SpeechTable::boxTextChanged(int group)
{
    if (m_blnFireEvents)
        emit DataChanged(earOfGroup(group));
}

bool SpeechTable::boxKeyPressed(QLineEdit& entry, BoxPosition at, const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Right: walkRight(at); return true;
    case Qt::Key_Left: walkLeft(at); return true;
    default: break;
    }
    switch (typingInto(entry, key.text())) {
    case Typing::Take: return false;
    case Typing::Drop: return true;
    case Typing::Refuse: ui::playSystemSound(".Default"); return true;
    }
    return false;
}

void SpeechTable::walkRight(BoxPosition from)
{
    for (int field = from.field + 1; field < FieldCount; ++field)
        if (QLineEdit* next = box(from.group, field); next->isVisibleTo(this)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    if (from.group == kGroups - 1) {
        focusNextPrevChild(true);
        return;
    }
    if (QLineEdit* next = firstVisibleBox(from.group + 1, false))
        next->setFocus(Qt::TabFocusReason);
}

void SpeechTable::walkLeft(BoxPosition from)
{
    for (int field = from.field - 1; field >= 0; --field)
        if (QLineEdit* previous = box(from.group, field); previous->isVisibleTo(this)) {
            previous->setFocus(Qt::BacktabFocusReason);
            return;
        }
    if (from.group == 0) {
        focusNextPrevChild(false);
        return;
    }
    if (QLineEdit* previous = firstVisibleBox(from.group - 1, true))
        previous->setFocus(Qt::BacktabFocusReason);
}

QLineEdit* SpeechTable::firstVisibleBox(int group, bool backwards) const
{
    for (int step = 0; step < FieldCount; ++step) {
        QLineEdit* candidate = box(group, backwards ? FieldCount - 1 - step : step);
        if (candidate->isVisibleTo(this))
            return candidate;
    }
    return nullptr;
}

}  // namespace brisance

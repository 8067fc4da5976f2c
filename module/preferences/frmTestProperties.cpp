#include "module/preferences/frmTestProperties.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/TextResources.h"
#include "module/core/VocabularyTexts.h"
#include "module/panels/ControlColours.h"
#include "module/panels/EntryNumbers.h"
#include "module/panels/TwipsGeometry.h"
#include "module/panels/VerticalLabel.h"
#include "module/preferences/LineStyles.h"
#include "module/preferences/PictureBox.h"
#include "module/preferences/frmSymbolSelection.h"

#include "platform/gfx/Bitmap.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <type_traits>

namespace brisance {

namespace gfx = platform::gfx;
namespace ui = platform::ui;

namespace {

// The layout, in twips.
constexpr int kMargin = 120;
constexpr int kFramesTop = 600;
constexpr int kTextHeight = 315;
constexpr int kCaptionHeight = 255;
constexpr int kCaptionDrop = (kTextHeight - kCaptionHeight) / 2;
constexpr int kNotationBoxLeft = 1200;

// The identity and comments frame: a caption column ("COL1") and a value column ("COL2").
constexpr int kIdentityWidth = 4800;
constexpr int kFirstRowTop = 300;
constexpr int kRowPitch = 400;
constexpr int kDesignValueLeft = 1800;
constexpr int kColumnGap = 300;
constexpr int kValueRightMargin = 100;
constexpr int kNumberOfWordsWidth = 585;

// The symbol grid: a column per side, a row per point kind, under the column captions.
constexpr int kSymbolsTop = 300;
constexpr int kSymbolColumnPitch = 400;
constexpr int kSymbolSize = 300;
constexpr int kColumnCaptionWidth = 270;
constexpr int kColumnCaptionHeight = 1100;
constexpr int kFirstSymbolTop = 1160;
constexpr int kSymbolRowPitch = 360;
constexpr int kGridGap = 100;
// Below it, a column per side: its caption, colour swatch and line-style combo.
constexpr int kLineColumnPitch = 1380;
constexpr int kLineColumnWidth = 1300;
constexpr int kSwatchTop = 300;  // below the column's caption
constexpr int kSwatchHeight = 300;
constexpr int kComboTop = 660;
constexpr int kComboHeight = 330;

constexpr int kSeparatorHeight = 30;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;
constexpr int kButtonsAboveBottom = 450;

constexpr const char* kTag = "Tag";
constexpr const char* kCaptionColumn = "COL1";
constexpr const char* kValueColumn = "COL2";

// In the speech layout only the unmasked and the masked symbol rows show, the
// masked one in the place of the second.
constexpr int kMaskedRow = 3;
bool ShownInSpeech(int row) { return row == 0 || row == kMaskedRow; }

int leftOf(const QWidget& widget) { return ui::pixelsToTwipsX(widget.x()); }
int topOf(const QWidget& widget) { return ui::pixelsToTwipsY(widget.y()); }
int widthOf(const QWidget& widget) { return ui::pixelsToTwipsX(widget.width()); }
int heightOf(const QWidget& widget) { return ui::pixelsToTwipsY(widget.height()); }

void place(QWidget& widget, int left, int top, int width, int height)
{
    widget.setGeometry(twipsRect(left, top, width, height));
}

QString Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

// A tag's number, as the stored symbol fields take it: 0 when it has none.
std::int32_t TagNumber(const QWidget& widget)
{
    return leadingWholeNumber(widget.property(kTag).toString().toStdString()).value_or(0);
}

}  // namespace

frmTestProperties::frmTestProperties(QWidget* parent) : QDialog(parent), imlLineStyle(CreateLineStyleImages())
{
    lblNotation = new QLabel(this);
    lblNotation->setObjectName("lblNotation");
    txtNotation = new QLineEdit(this);
    txtNotation->setObjectName("txtNotation");
    connect(txtNotation, &QLineEdit::textChanged, this, [this] { UpdateOKState(); });

    CreateIdentityFrame();
    CreateSymbolFrame();

    linSeparator = new QFrame(this);
    linSeparator->setObjectName("linSeparator");
    linSeparator->setFrameShape(QFrame::HLine);
    linSeparator->setFrameShadow(QFrame::Sunken);
    cmdOK = new QPushButton(this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        SaveTest();
        OKPressed = true;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &frmTestProperties::reject);

    LoadCaptions();
    for (Side* side : {&m_left, &m_right, &m_binaural}) {
        side->lineStyle->setIconSize(QSize(imlLineStyle->imageWidth(), imlLineStyle->imageHeight()));
        for (int image = 1; image <= imlLineStyle->count(); ++image)
            side->lineStyle->addItem(QPixmap::fromImage(gfx::bitmapImage(imlLineStyle->picture(image))), QString());
        side->lineStyle->setCurrentIndex(-1);
    }
    fraTestProperties->hide();
    SpeechMode(false);
    UpdateOKState();
}

void frmTestProperties::CreateIdentityFrame()
{
    fraTestProperties = new QGroupBox(this);
    fraTestProperties->setObjectName("fraTestProperties");
    int row = 0;
    const auto addRow = [this, &row](QLabel*& caption, const char* captionName, auto*& value, const char* valueName) {
        caption = new QLabel(fraTestProperties);
        caption->setObjectName(captionName);
        caption->setProperty(kTag, kCaptionColumn);
        value = new std::remove_reference_t<decltype(*value)>(fraTestProperties);
        value->setObjectName(valueName);
        value->setProperty(kTag, kValueColumn);
        const int top = kFirstRowTop + row++ * kRowPitch;
        place(*caption, kMargin, top + kCaptionDrop, 0, kCaptionHeight);
        place(*value, kDesignValueLeft, top, kIdentityWidth - kDesignValueLeft - kValueRightMargin, kTextHeight);
    };
    // The word-list rows come last: a pure-tone test hides them.
    addRow(lblTestType, "lblTestType", lblTestTypeValue, "lblTestTypeValue");
    addRow(lblTransducerType, "lblTransducerType", lblTransducerTypeValue, "lblTransducerTypeValue");
    addRow(lblAidedCondition, "lblAidedCondition", lblAidedConditionValue, "lblAidedConditionValue");
    addRow(lblTransducerComment, "lblTransducerComment", txtTransducerComment, "txtTransducerComment");
    addRow(lblConditionComment, "lblConditionComment", txtConditionComment, "txtConditionComment");
    addRow(lblWordList, "lblWordList", lblWordListValue, "lblWordListValue");
    addRow(lblWordListComment, "lblWordListComment", txtWordList, "txtWordList");
    addRow(lblNumberOfWords, "lblNumberOfWords", txtNumberOfWords, "txtNumberOfWords");
}

void frmTestProperties::CreateSymbolFrame()
{
    fraSymbolMain = new QGroupBox(this);
    fraSymbolMain->setObjectName("fraSymbolMain");
    fraSymbols = new QFrame(fraSymbolMain);
    fraSymbols->setObjectName("fraSymbols");
    fraSymbols->setFrameShape(QFrame::Box);

    for (int row = 0; row < 6; ++row) {
        lblPointType[row] = new QLabel(fraSymbolMain);
        lblPointType[row]->setObjectName(QStringLiteral("lblPointType%1").arg(row));
    }
    for (int index = 0; index < 3; ++index) {
        lblColLabel[index] = new VerticalLabel(fraSymbols);
        lblColLabel[index]->setObjectName(QStringLiteral("lblColLabel%1").arg(index));
        lblColLabel[index]->BackStyle(0);
        // Binaural, right and left from the right-hand column leftwards.
        place(*lblColLabel[index], (2 - index) * kSymbolColumnPitch, 0, kColumnCaptionWidth, kColumnCaptionHeight);
    }

    struct SideNames {
        Side* side;
        const char* name;
    };
    const SideNames sides[] = {{&m_left, "Left"}, {&m_right, "Right"}, {&m_binaural, "Binaural"}};
    for (int column = 0; column < 3; ++column) {
        Side& side = *sides[column].side;
        const QString name = QString::fromLatin1(sides[column].name);
        for (int row = 0; row < 6; ++row) {
            PictureBox* picture = new PictureBox(fraSymbols);
            picture->setObjectName(QStringLiteral("pic%1%2").arg(name).arg(row));
            picture->BorderStyle(1);
            place(*picture, column * kSymbolColumnPitch, kFirstSymbolTop + row * kSymbolRowPitch, kSymbolSize,
                  kSymbolSize);
            connect(picture, &PictureBox::DblClick, this, [this, picture] { PickSymbol(*picture); });
            side.pictures[row] = picture;
        }
        side.caption = new QLabel(fraSymbolMain);
        side.caption->setObjectName("lbl" + name);
        side.colour = new PictureBox(fraSymbolMain);
        side.colour->setObjectName(QStringLiteral("pic%1LineColor").arg(name));
        side.colour->BorderStyle(1);
        connect(side.colour, &PictureBox::DblClick, this, [this, swatch = side.colour] { PickColor(*swatch); });
        side.lineStyle = new QComboBox(fraSymbolMain);
        side.lineStyle->setObjectName(QStringLiteral("imc%1LineStyle").arg(name));
    }
}

void frmTestProperties::LoadCaptions()
{
    setWindowTitle(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(TR_TEST_PROPERTIES)));
    fraSymbolMain->setTitle(Text(TR_SYMBOLS));
    fraTestProperties->setTitle(Text(TR_TEST_CONDITIONS));
    const std::pair<QLabel*, TextResources> labels[] = {
        {lblNotation, TR_NOTATION},
        {lblTestType, TR_TEST_TYPE},
        {lblTransducerType, TR_TRANSDUCER_TYPE},
        {lblAidedCondition, TR_AIDED_CONDITION},
        {lblWordList, TR_WORD_LIST},
        {lblTransducerComment, TR_TRANSDUCER_COMMENT},
        {lblConditionComment, TR_CONDITION_COMMENT},
        {lblWordListComment, TR_WORD_LIST_COMMENT},
        {lblNumberOfWords, TR_NUMBER_OF_WORDS},
        {m_left.caption, TR_LEFT},
        {m_right.caption, TR_RIGHT},
        {m_binaural.caption, TR_BINAURAL},
        {lblPointType[0], TR_UNMASKED},
        {lblPointType[1], TR_NO_RESPONSE},
        {lblPointType[2], TR_UNMEASURABLE},
        {lblPointType[3], TR_MASKED},
    };
    for (const auto& [label, id] : labels)
        label->setText(Text(id));
    lblPointType[4]->setText(Text(TR_MASKED) + " " + Text(TR_NR));
    lblPointType[5]->setText(Text(TR_MASKED) + " " + Text(TR_UNM));
    lblColLabel[0]->Caption(ModuleGlobals::UiTextLoader()->LoadResString(TR_BINAURAL));
    lblColLabel[1]->Caption(ModuleGlobals::UiTextLoader()->LoadResString(TR_RIGHT));
    lblColLabel[2]->Caption(ModuleGlobals::UiTextLoader()->LoadResString(TR_LEFT));
    cmdOK->setText(Text(TR_OK));
    cmdCancel->setText(Text(TR_CANCEL));

    // Captions take the width of their text.
    for (QLabel* label : fraTestProperties->findChildren<QLabel*>())
        if (label->property(kTag) == kCaptionColumn)
            label->adjustSize();
    for (QLabel* label : lblPointType)
        label->adjustSize();
    lblNotation->adjustSize();
}

void frmTestProperties::TestToEdit(std::shared_ptr<CCurvePref> test)
{
    m_test = std::move(test);
    m_paletteItem.reset();
}

void frmTestProperties::TestToEdit(std::shared_ptr<CPaletteItem> item)
{
    m_paletteItem = std::move(item);
    m_test.reset();
}

void frmTestProperties::ImageList(platform::com::ComPtr<gfx::ImageList> images)
{
    m_images = std::move(images);
}

void frmTestProperties::AllowCommentEditing(bool allow)
{
    m_allowCommentEditing = allow;
    fraTestProperties->setVisible(allow);
    ArrangeControls();
}

void frmTestProperties::SpeechMode(bool speech)
{
    m_speechMode = speech;
    for (QWidget* field : std::initializer_list<QWidget*>{lblWordList, txtWordList, lblNumberOfWords, txtNumberOfWords,
                                                         lblWordListValue, lblWordListComment})
        field->setVisible(speech);
    const int maskedRowTop = kFirstSymbolTop + (speech ? 1 : kMaskedRow) * kSymbolRowPitch;
    for (const Side* side : {&m_left, &m_right, &m_binaural}) {
        side->pictures[kMaskedRow]->move(side->pictures[kMaskedRow]->x(), ui::twipsToPixelsY(maskedRowTop));
        for (int row = 0; row < 6; ++row)
            side->pictures[row]->setVisible(!speech || ShownInSpeech(row));
    }
    for (int row = 0; row < 6; ++row)
        lblPointType[row]->setVisible(!speech || ShownInSpeech(row));
    ArrangeControls();
}

void frmTestProperties::ArrangeControls()
{
    // The identity frame's value column stands a gap right of its widest caption.
    if (m_allowCommentEditing) {
        int captionWidth = 0;
        for (QWidget* control : fraTestProperties->findChildren<QWidget*>())
            if (control->property(kTag) == kCaptionColumn)
                captionWidth = std::max(captionWidth, widthOf(*control));
        const int valueLeft = captionWidth + kColumnGap;
        for (QWidget* control : fraTestProperties->findChildren<QWidget*>())
            if (control->property(kTag) == kValueColumn)
                place(*control, valueLeft, topOf(*control), kIdentityWidth - valueLeft - kValueRightMargin,
                      heightOf(*control));
        place(*txtNumberOfWords, leftOf(*txtNumberOfWords), topOf(*txtNumberOfWords), kNumberOfWordsWidth,
              heightOf(*txtNumberOfWords));
    }

    // The symbol grid, borderless, a gap right of the widest row caption, each
    // row caption level with its row.
    int rowCaptionWidth = 0;
    for (const QLabel* label : lblPointType)
        rowCaptionWidth = std::max(rowCaptionWidth, widthOf(*label));
    fraSymbols->setFrameShape(QFrame::NoFrame);
    const int visibleRows = m_speechMode ? 2 : 6;
    const int gridHeight = kFirstSymbolTop + visibleRows * kSymbolRowPitch;
    place(*fraSymbols, kMargin + rowCaptionWidth + kGridGap, kSymbolsTop, 2 * kSymbolColumnPitch + kSymbolSize,
          gridHeight);
    for (int row = 0; row < 6; ++row)
        place(*lblPointType[row], kMargin, kSymbolsTop + topOf(*m_left.pictures[row]) + kCaptionDrop,
              widthOf(*lblPointType[row]), heightOf(*lblPointType[row]));

    // The sides' captions, swatches and line styles under the grid; each swatch
    // as wide as its combo, above it.
    const int linesTop = kSymbolsTop + gridHeight + kMargin;
    const Side* sides[] = {&m_left, &m_right, &m_binaural};
    for (int column = 0; column < 3; ++column) {
        const Side& side = *sides[column];
        const int left = kMargin + column * kLineColumnPitch;
        place(*side.caption, left, linesTop, kLineColumnWidth, kCaptionHeight);
        place(*side.lineStyle, left, linesTop + kComboTop, kLineColumnWidth, kComboHeight);
        place(*side.colour, leftOf(*side.lineStyle), linesTop + kSwatchTop, widthOf(*side.lineStyle), kSwatchHeight);
    }
    const int symbolsWidth = kMargin + 2 * kLineColumnPitch + kLineColumnWidth + kMargin;
    const int symbolsHeight = topOf(*m_binaural.lineStyle) + kComboHeight + kMargin;

    // The frames side by side when the comments show; the form around them.
    int identityHeight = 0;
    for (QWidget* control : fraTestProperties->findChildren<QWidget*>())
        if (control->isVisibleTo(fraTestProperties))
            identityHeight = std::max(identityHeight, topOf(*control) + heightOf(*control) + kMargin);
    const int framesHeight = m_allowCommentEditing ? std::max(symbolsHeight, identityHeight) : symbolsHeight;
    place(*fraTestProperties, kMargin, kFramesTop, kIdentityWidth, framesHeight);
    const int symbolsLeft = m_allowCommentEditing ? 2 * kMargin + kIdentityWidth : kMargin;
    place(*fraSymbolMain, symbolsLeft, kFramesTop, symbolsWidth, framesHeight);

    const int formWidth = symbolsLeft + symbolsWidth + kMargin;
    const int separatorTop = kFramesTop + framesHeight + kMargin;
    const int formHeight = separatorTop + kSeparatorHeight + kMargin + kButtonHeight + kButtonsAboveBottom;
    place(*lblNotation, kMargin, kMargin + kCaptionDrop, widthOf(*lblNotation), kCaptionHeight);
    place(*txtNotation, kNotationBoxLeft, kMargin, formWidth - kNotationBoxLeft - kMargin, kTextHeight);
    place(*linSeparator, kMargin, separatorTop, formWidth - 2 * kMargin, kSeparatorHeight);
    const int buttonTop = formHeight - kButtonHeight - kButtonsAboveBottom;
    place(*cmdCancel, formWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
    place(*cmdOK, formWidth - 2 * (kMargin + kButtonWidth), buttonTop, kButtonWidth, kButtonHeight);
    setFixedSize(twipsRect(0, 0, formWidth, formHeight).size());
}

CCurvePref* frmTestProperties::Test() const
{
    return m_paletteItem ? m_paletteItem->CurvePreferences.get() : m_test.get();
}

void frmTestProperties::ShowTestDetails()
{
    CCurvePref* test = Test();
    if (!test)
        return;
    if (m_paletteItem) {
        txtConditionComment->setText(QString::fromStdString(m_paletteItem->ConditionDescription));
        txtTransducerComment->setText(QString::fromStdString(m_paletteItem->TransducerDescription));
        txtWordList->setText(QString::fromStdString(m_paletteItem->WordList));
        txtNumberOfWords->setText(QString::number(m_paletteItem->NumberOfWords));
    }
    txtNotation->setText(QString::fromStdString(test->Label));
    lblTestTypeValue->setText(QString::fromStdString(TestTypeText(test->TestType, false)));
    lblTransducerTypeValue->setText(QString::fromStdString(TransducerText(test->TestType, false)));
    lblAidedConditionValue->setText(QString::fromStdString(ConditionText(test->Condition, false)));
    lblWordListValue->setText(QString::fromStdString(WordListText(test->WordList, false)));
    const std::pair<const Side*, const SymbolFields*> sides[] = {
        {&m_right, &kRightSymbolFields}, {&m_left, &kLeftSymbolFields}, {&m_binaural, &kBinauralSymbolFields}};
    for (const auto& [side, fields] : sides)
        for (int row = 0; row < 6; ++row)
            DrawSymbol(*side->pictures[row], test->*(*fields)[row]);
    m_right.colour->BackColor(test->RightColor);
    m_left.colour->BackColor(test->LeftColor);
    m_binaural.colour->BackColor(test->BinauralColor);
    SelectLineStyle(*m_left.lineStyle, test->LeftLineStyle, test->LeftLineWidth);
    SelectLineStyle(*m_right.lineStyle, test->RightLineStyle, test->RightLineWidth);
    SelectLineStyle(*m_binaural.lineStyle, test->BinauralLineStyle, test->BinauralLineWidth);
    UpdateOKState();
}

void frmTestProperties::DrawSymbol(PictureBox& picture, int index)
{
    picture.Cls();
    if (index < 1)
        return;
    if (m_images) {
        PictureBox::Canvas canvas(picture);
        m_images->draw(index, canvas.dc(), 0, 0, gfx::ILD_TRANSPARENT);
    }
    picture.setProperty(kTag, QString::number(index));
}

void frmTestProperties::SelectLineStyle(QComboBox& combo, std::int16_t style, std::int16_t width)
{
    for (int item = 1; item <= combo.count() && item < int(kLineStyleTable.size()); ++item)
        if (kLineStyleTable[item] == LineStyleEntry{style, width})
            combo.setCurrentIndex(item - 1);
}

void frmTestProperties::PickSymbol(PictureBox& picture)
{
    frmSymbolSelection picker(this);
    picker.DrawSymbolSelection(m_images);
    picker.exec();
    const int chosen = picker.Result();
    if (chosen == frmSymbolSelection::kNothingChosen)
        return;
    DrawSymbol(picture, chosen);
    picture.setProperty(kTag, QString::number(chosen));
}

void frmTestProperties::PickColor(PictureBox& swatch)
{
    if (const auto colour = ui::chooseColor(drawingColour(swatch.BackColor()), this))
        swatch.BackColor(*colour);
}

void frmTestProperties::UpdateOKState()
{
    cmdOK->setEnabled(!txtNotation->text().trimmed().isEmpty());
}

void frmTestProperties::SaveTest()
{
    CCurvePref* test = Test();
    if (!test)
        return;
    if (m_paletteItem) {
        m_paletteItem->TransducerDescription = txtTransducerComment->text().toStdString();
        m_paletteItem->ConditionDescription = txtConditionComment->text().toStdString();
        m_paletteItem->WordList = txtWordList->text().toStdString();
        m_paletteItem->NumberOfWords = leadingWholeNumber(txtNumberOfWords->text().toStdString()).value_or(0);
    }
    test->Label = txtNotation->text().toStdString();
    const std::pair<const Side*, const SymbolFields*> sides[] = {
        {&m_left, &kLeftSymbolFields}, {&m_right, &kRightSymbolFields}, {&m_binaural, &kBinauralSymbolFields}};
    for (const auto& [side, fields] : sides)
        for (int row = 0; row < 6; ++row)
            test->*(*fields)[row] = TagNumber(*side->pictures[row]);
    const auto saveLine = [](const QComboBox& combo, std::int16_t& style, std::int16_t& width) {
        const int item = combo.currentIndex() + 1;
        if (item < 1)
            return;
        style = kLineStyleTable[item].style;
        width = kLineStyleTable[item].width;
    };
    saveLine(*m_left.lineStyle, test->LeftLineStyle, test->LeftLineWidth);
    saveLine(*m_right.lineStyle, test->RightLineStyle, test->RightLineWidth);
    saveLine(*m_binaural.lineStyle, test->BinauralLineStyle, test->BinauralLineWidth);
    test->LeftColor = m_left.colour->BackColor();
    test->RightColor = m_right.colour->BackColor();
    test->BinauralColor = m_binaural.colour->BackColor();
}

void frmTestProperties::reject()
{
    OKPressed = false;
    QDialog::reject();
}

void frmTestProperties::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brisance

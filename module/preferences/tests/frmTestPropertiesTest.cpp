#include "module/preferences/frmTestProperties.h"

#include "module/core/CSymbols.h"
#include "module/core/ModuleHelp.h"
#include "module/panels/ControlColours.h"
#include "module/preferences/frmSymbolSelection.h"
#include "module/preferences/PictureBox.h"
#include "module/preferences/tests/DialogTestSupport.h"

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
namespace ui = platform::ui;
using platform::ui::DialogKind;
namespace reply = platform::ui::reply;

// Every field of a test, to compare a test with itself before and after.
std::vector<std::string> FieldsOf(const CCurvePref& test)
{
    std::vector<std::string> fields{test.Label};
    for (std::int64_t value : {std::int64_t(test.LeftColor), std::int64_t(test.RightColor),
                               std::int64_t(test.BinauralColor), std::int64_t(test.LeftLineStyle),
                               std::int64_t(test.LeftLineWidth), std::int64_t(test.RightLineStyle),
                               std::int64_t(test.RightLineWidth), std::int64_t(test.BinauralLineStyle),
                               std::int64_t(test.BinauralLineWidth)})
        fields.push_back(std::to_string(value));
    for (const SymbolFields* side : {&kLeftSymbolFields, &kRightSymbolFields, &kBinauralSymbolFields})
        for (auto field : *side)
            fields.push_back(std::to_string(test.*field));
    return fields;
}

// The black pixels of the top-left 16 x 16 pixels, where a symbol is drawn.
std::vector<QPoint> InkOf(const QImage& image)
{
    std::vector<QPoint> ink;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0)
                ink.emplace_back(x, y);
    return ink;
}

class frmTestPropertiesTest : public DialogTest {
protected:
    // Air conduction, phones, unaided; blue left dashed, red right solid of
    // width 3, green binaural without a line style; four symbols.
    std::shared_ptr<CCurvePref> m_test = [] {
        auto test = std::make_shared<CCurvePref>();
        test->Label = "Air";
        test->TestType = 1;
        test->Condition = 2;
        test->WordList = 10;
        test->LeftColor = 0xFF0000;
        test->RightColor = 0x0000FF;
        test->BinauralColor = 0x008000;
        test->LeftLineStyle = 1;
        test->LeftLineWidth = 1;
        test->RightLineStyle = 0;
        test->RightLineWidth = 3;
        test->Left0Unmasked = 2;
        test->Right0Unmasked = 1;
        test->Left3Masked = 4;
        test->Binaural5MaskedUnMeasurable = 5;
        return test;
    }();

    platform::com::ComPtr<platform::gfx::ImageList> Symbols() const
    {
        return ModuleGlobals::Symbols()->SymbolImages();
    }

    // Sets the dialog up as every caller does.
    template <typename Edited>
    void SetUpDialog(frmTestProperties& dialog, Edited edited, bool speech, bool comments)
    {
        dialog.SpeechMode(speech);
        dialog.TestToEdit(edited);
        dialog.ImageList(Symbols());
        dialog.ShowTestDetails();
        dialog.AllowCommentEditing(comments);
    }

    // Shows the dialog on the edited test modally, answered by answer; OKPressed afterwards.
    template <typename Edited>
    bool Run(Edited edited, std::function<void(frmTestProperties&)> answer, bool speech = false,
             bool comments = false)
    {
        frmTestProperties dialog;
        SetUpDialog(dialog, edited, speech, comments);
        dialogs.answer<frmTestProperties>(std::move(answer));
        dialog.exec();
        return dialog.OKPressed;
    }

    static PictureBox& Picture(const frmTestProperties& dialog, const char* name)
    {
        return *child<PictureBox>(dialog, name);
    }
    static QComboBox* LineStyle(const frmTestProperties& dialog, const char* side)
    {
        return child<QComboBox>(dialog, (std::string("imc") + side + "LineStyle").c_str());
    }
    static QLineEdit* Box(const frmTestProperties& dialog, const char* name) { return child<QLineEdit>(dialog, name); }
    static void Click(const frmTestProperties& dialog, const char* button) { click(child<QPushButton>(dialog, button)); }
    static void DoubleClick(PictureBox& picture) { QTest::mouseDClick(&picture, Qt::LeftButton); }

    // Answers the symbol picker opened by a double click on the picture:
    // its first image, or no choice.
    void PickFirstSymbol(PictureBox& picture)
    {
        dialogs.answer<frmSymbolSelection>([](frmSymbolSelection& picker) {
            QTest::mouseClick(child<PictureBox>(picker, "picSym"), Qt::LeftButton, {}, QPoint(12, 12));
        });
        DoubleClick(picture);
    }
    void ClosePicker(PictureBox& picture)
    {
        dialogs.answer<frmSymbolSelection>([](frmSymbolSelection& picker) { picker.close(); });
        DoubleClick(picture);
    }
};

TEST_F(frmTestPropertiesTest, ShowsTheTestAndOkWritesBackWhatItShows)
{
    const auto before = FieldsOf(*m_test);
    EXPECT_TRUE(Run(m_test, [](frmTestProperties& dialog) {
        EXPECT_EQ(Box(dialog, "txtNotation")->text(), "Air");
        const std::pair<const char*, const char*> values[] = {{"lblTestTypeValue", "Threshold"},
                                                              {"lblTransducerTypeValue", "Phones"},
                                                              {"lblAidedConditionValue", "Unaided"},
                                                              {"lblWordListValue", "Phonetically Balanced"}};
        for (const auto& [label, text] : values)
            EXPECT_EQ(child<QLabel>(dialog, label)->text(), text) << label;
        EXPECT_EQ(Picture(dialog, "picLeft0").property("Tag"), "2");
        EXPECT_EQ(Picture(dialog, "picLeft3").property("Tag"), "4");
        EXPECT_EQ(Picture(dialog, "picBinaural5").property("Tag"), "5");
        EXPECT_EQ(Picture(dialog, "picLeftLineColor").BackColor(), 0xFF0000u);
        EXPECT_EQ(Picture(dialog, "picRightLineColor").BackColor(), 0x0000FFu);
        EXPECT_EQ(Picture(dialog, "picBinauralLineColor").BackColor(), 0x008000u);
        EXPECT_EQ(LineStyle(dialog, "Left")->currentIndex(), 2) << "item 3: dashed, width 1";
        EXPECT_EQ(LineStyle(dialog, "Right")->currentIndex(), 7) << "item 8: solid, width 3";
        EXPECT_EQ(LineStyle(dialog, "Binaural")->currentIndex(), -1) << "style 0, width 0 is no item";
        Click(dialog, "cmdOK");
    }));
    EXPECT_EQ(FieldsOf(*m_test), before);
}

TEST_F(frmTestPropertiesTest, SpeechShowsTwoSymbolRowsAndTheWordListFields)
{
    const char* const wordListFields[] = {"lblWordList", "lblWordListValue", "lblWordListComment",
                                          "txtWordList", "lblNumberOfWords", "txtNumberOfWords"};
    for (const bool speech : {false, true}) {
        for (const bool comments : {false, true}) {
            SCOPED_TRACE(std::string(speech ? "speech" : "pure tone") + (comments ? ", comments" : ""));
            frmTestProperties dialog;
            SetUpDialog(dialog, m_test, speech, comments);
            for (const char* side : {"Left", "Right", "Binaural"})
                for (int row = 0; row < 6; ++row)
                    EXPECT_EQ(Picture(dialog, (std::string("pic") + side + std::to_string(row)).c_str()).isVisibleTo(&dialog),
                              !speech || row == 0 || row == 3)
                        << side << row;
            for (int row = 0; row < 6; ++row)
                EXPECT_EQ(child<QLabel>(dialog, ("lblPointType" + std::to_string(row)).c_str())->isVisibleTo(&dialog),
                          !speech || row == 0 || row == 3);
            if (speech) {
                EXPECT_EQ(Picture(dialog, "picLeft3").y(), Picture(dialog, "picLeft1").y()) << "masked in row 1's place";
            }
            for (const char* field : wordListFields)
                EXPECT_EQ(child<QWidget>(dialog, field)->isVisibleTo(&dialog), speech && comments) << field;
            const QWidget* ok = child<QWidget>(dialog, "cmdOK");
            EXPECT_NEAR(ui::pixelsToTwipsY(dialog.height() - ok->geometry().bottom() - 1), 450, 15)
                << "OK and Cancel end 450 twips above the bottom";
            EXPECT_EQ(child<QWidget>(dialog, "cmdCancel")->y(), ok->y());
        }
    }
}

TEST_F(frmTestPropertiesTest, WithCommentsTheValuesStand300TwipsRightOfTheWidestCaption)
{
    frmTestProperties dialog;
    SetUpDialog(dialog, m_test, true, true);
    const QWidget& identity = *child<QWidget>(dialog, "fraTestProperties");
    int widestCaption = 0;
    for (const QWidget* control : identity.findChildren<QWidget*>())
        if (control->property("Tag") == "COL1")
            widestCaption = std::max(widestCaption, ui::pixelsToTwipsX(control->width()));
    int values = 0;
    for (const QWidget* control : identity.findChildren<QWidget*>()) {
        if (control->property("Tag") != "COL2")
            continue;
        ++values;
        EXPECT_NEAR(ui::pixelsToTwipsX(control->x()), widestCaption + 300, 15) << control->objectName().toStdString();
    }
    EXPECT_EQ(values, 8);
    EXPECT_NEAR(ui::pixelsToTwipsX(Box(dialog, "txtNumberOfWords")->width()), 585, 15);
    EXPECT_GT(child<QWidget>(dialog, "fraSymbolMain")->x(), identity.geometry().right()) << "symbols beside it";
}

TEST_F(frmTestPropertiesTest, ANewTestHasNoLineStyleUntilOneIsChosen)
{
    auto fresh = std::make_shared<CCurvePref>();
    fresh->Label = "New";
    ASSERT_TRUE(Run(fresh, [](frmTestProperties& dialog) {
        for (const char* side : {"Left", "Right", "Binaural"})
            EXPECT_EQ(LineStyle(dialog, side)->currentIndex(), -1) << side;
        Click(dialog, "cmdOK");
    }));
    CCurvePref untouched;
    untouched.Label = "New";
    EXPECT_EQ(FieldsOf(*fresh), FieldsOf(untouched)) << "style 0 and width 0 kept";

    ASSERT_TRUE(Run(fresh, [](frmTestProperties& dialog) {
        choose(LineStyle(dialog, "Left"), 0);    // item 1: no line
        choose(LineStyle(dialog, "Right"), 9);   // item 10: solid, width 5
        Click(dialog, "cmdOK");
    }));
    using Line = std::pair<int, int>;
    EXPECT_EQ(Line(fresh->LeftLineStyle, fresh->LeftLineWidth), Line(5, 1));
    EXPECT_EQ(Line(fresh->RightLineStyle, fresh->RightLineWidth), Line(0, 5));
    EXPECT_EQ(Line(fresh->BinauralLineStyle, fresh->BinauralLineWidth), Line(0, 0)) << "no choice, no change";
}

TEST_F(frmTestPropertiesTest, ASymbolPickedIsDrawnAndStoredAndClosingThePickerKeepsTheSlot)
{
    const QImage firstSymbol = platform::gfx::bitmapImage(Symbols()->picture(1));
    ASSERT_TRUE(Run(m_test, [&](frmTestProperties& dialog) {
        PictureBox& left0 = Picture(dialog, "picLeft0");
        PickFirstSymbol(left0);
        EXPECT_EQ(left0.property("Tag"), "1");
        EXPECT_EQ(InkOf(left0.Image()), InkOf(firstSymbol)) << "the new symbol is drawn";

        PictureBox& left3 = Picture(dialog, "picLeft3");
        const QImage shown = left3.Image().copy();
        ClosePicker(left3);
        EXPECT_EQ(left3.property("Tag"), "4");
        EXPECT_EQ(left3.Image(), shown);
        Click(dialog, "cmdOK");
    }));
    EXPECT_EQ(m_test->Left0Unmasked, 1);
    EXPECT_EQ(m_test->Left3Masked, 4);
}

TEST_F(frmTestPropertiesTest, TheColourDialogStartsFromTheSwatchAndItsCancelKeepsIt)
{
    responder.queue(reply::Colour{0x00FFFF});
    responder.queue(reply::Cancel{});
    ASSERT_TRUE(Run(m_test, [](frmTestProperties& dialog) {
        DoubleClick(Picture(dialog, "picLeftLineColor"));
        DoubleClick(Picture(dialog, "picRightLineColor"));
        EXPECT_EQ(Picture(dialog, "picLeftLineColor").Image().pixel(3, 3), qRgb(0xFF, 0xFF, 0x00));
        Click(dialog, "cmdOK");
    }));
    ASSERT_EQ(responder.shown().size(), 2u);
    EXPECT_EQ(responder.shown()[0].kind, DialogKind::Colour);
    EXPECT_EQ(responder.shown()[0].style, 0xFF0000u) << "starts from the left swatch";
    EXPECT_EQ(responder.shown()[1].style, 0x0000FFu);
    EXPECT_EQ(m_test->LeftColor, 0x00FFFFu);
    EXPECT_EQ(m_test->RightColor, 0x0000FFu);
}

TEST_F(frmTestPropertiesTest, ALabelOfBlanksDisablesOk)
{
    frmTestProperties dialog;
    SetUpDialog(dialog, m_test, false, false);
    dialog.show();
    QWidget* ok = child<QWidget>(dialog, "cmdOK");
    EXPECT_TRUE(ok->isEnabled());
    clearText(Box(dialog, "txtNotation"));
    EXPECT_FALSE(ok->isEnabled());
    typeText(Box(dialog, "txtNotation"), "   ");
    EXPECT_FALSE(ok->isEnabled());
    typeText(Box(dialog, "txtNotation"), " x");
    EXPECT_TRUE(ok->isEnabled());
}

TEST_F(frmTestPropertiesTest, EditingAPaletteItemChangesItsTestAndItsComments)
{
    struct Case {
        const char* numberOfWords;
        std::int32_t stored;
    };
    for (const Case& c : {Case{"many", 0}, Case{"12 words", 12}}) {
        SCOPED_TRACE(c.numberOfWords);
        auto item = std::make_shared<CPaletteItem>();
        item->CurvePreferences = m_test;
        item->TransducerDescription = "TDH-39";
        item->WordList = "W-22";
        item->NumberOfWords = 25;
        ASSERT_TRUE(Run(
            item,
            [&](frmTestProperties& dialog) {
                EXPECT_EQ(Box(dialog, "txtTransducerComment")->text(), "TDH-39");
                EXPECT_EQ(Box(dialog, "txtWordList")->text(), "W-22");
                EXPECT_EQ(Box(dialog, "txtNumberOfWords")->text(), "25");
                typeText(Box(dialog, "txtConditionComment"), "left aid");
                clearText(Box(dialog, "txtNumberOfWords"));
                typeText(Box(dialog, "txtNumberOfWords"), c.numberOfWords);
                clearText(Box(dialog, "txtNotation"));
                typeText(Box(dialog, "txtNotation"), "Edited");
                Click(dialog, "cmdOK");
            },
            true, true));
        EXPECT_EQ(item->TransducerDescription, "TDH-39");
        EXPECT_EQ(item->ConditionDescription, "left aid");
        EXPECT_EQ(item->WordList, "W-22");
        EXPECT_EQ(item->NumberOfWords, c.stored);
        EXPECT_EQ(m_test->Label, "Edited");
    }
}

TEST_F(frmTestPropertiesTest, CancelAndTheCloseBoxLeaveTheTestUntouched)
{
    const auto before = FieldsOf(*m_test);
    const std::pair<const char*, std::function<void(frmTestProperties&)>> ways[] = {
        {"Cancel", [](frmTestProperties& dialog) { Click(dialog, "cmdCancel"); }},
        {"close box", [](frmTestProperties& dialog) { dialog.close(); }},
    };
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        responder.queue(reply::Colour{0x123456});
        EXPECT_FALSE(Run(m_test, [&](frmTestProperties& dialog) {
            typeText(Box(dialog, "txtNotation"), " changed");
            DoubleClick(Picture(dialog, "picBinauralLineColor"));
            choose(LineStyle(dialog, "Binaural"), 4);
            PickFirstSymbol(Picture(dialog, "picRight1"));
            leave(dialog);
        }));
        EXPECT_EQ(FieldsOf(*m_test), before);
    }
}

TEST_F(frmTestPropertiesTest, ADrawnSymbolLeavesItsWhiteTransparent)
{
    frmTestProperties dialog;
    SetUpDialog(dialog, m_test, false, false);
    const QImage symbol = platform::gfx::bitmapImage(Symbols()->picture(m_test->Left0Unmasked));
    PictureBox& picture = Picture(dialog, "picLeft0");
    const int border = (picture.width() - picture.Image().width()) / 2;
    const QImage drawn = picture.grab().toImage().copy(border, border, symbol.width(), symbol.height());
    const QRgb background = qtColour(kButtonFaceColour).rgb();
    int ink = 0;
    for (int y = 0; y < symbol.height(); ++y)
        for (int x = 0; x < symbol.width(); ++x) {
            const bool white = (symbol.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
            ink += white ? 0 : 1;
            EXPECT_EQ(drawn.pixel(x, y), white ? background : symbol.pixel(x, y)) << x << "," << y;
        }
    EXPECT_GT(ink, 0);
}

TEST_F(frmTestPropertiesTest, F1OpensTheHelpAtTheDialogsContext)
{
    SetHelpPath("/help/en-US");
    Run(m_test, [](frmTestProperties& dialog) {
        QTest::keyClick(Box(dialog, "txtNotation"), Qt::Key_F1);
        Click(dialog, "cmdCancel");
    });
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].kind, DialogKind::Help);
    EXPECT_EQ(responder.shown()[0].text, "/help/en-US");
    EXPECT_EQ(responder.shown()[0].style, 115u);
}

}  // namespace
}  // namespace brisance

#include "module/preferences/frmNewTest.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ModuleHelp.h"
#include "module/preferences/tests/DialogTestSupport.h"

#include "platform/ui/MessageBox.h"

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
using platform::ui::DialogKind;

using Texts = std::vector<std::string>;

Texts EntriesOf(const QComboBox& combo)
{
    Texts texts;
    for (int i = 0; i < combo.count(); ++i)
        texts.push_back(combo.itemText(i).toStdString());
    return texts;
}

// The user's choices in the dialog; an empty text is left unchosen.
struct Choices {
    std::string label;
    std::string testType;
    std::string transducer;
    std::string wordList;
    std::string condition;
};

class frmNewTestTest : public DialogTest {
protected:
    static QComboBox* Combo(const frmNewTest& dialog, const char* name) { return child<QComboBox>(dialog, name); }
    static QPushButton* Button(const frmNewTest& dialog, const char* name) { return child<QPushButton>(dialog, name); }

    static void Choose(frmNewTest& dialog, const Choices& choices)
    {
        typeText(child<QLineEdit>(dialog, "txtNotation"), QString::fromStdString(choices.label));
        const std::pair<const char*, const std::string*> combos[] = {{"cboTestType", &choices.testType},
                                                                     {"cboTransducer", &choices.transducer},
                                                                     {"cboWordList", &choices.wordList},
                                                                     {"cboAidedCondition", &choices.condition}};
        for (const auto& [name, text] : combos)
            if (!text->empty())
                choose(Combo(dialog, name), QString::fromStdString(*text));
    }

    // Shows the dialog of the mode modally, answered by answer; OKPressed afterwards.
    bool Run(std::int32_t mode, std::function<void(frmNewTest&)> answer)
    {
        frmNewTest dialog;
        dialog.Mode(mode);
        dialogs.answer<frmNewTest>(std::move(answer));
        dialog.exec();
        return dialog.OKPressed;
    }

    CCurvePrefs& Tests() { return *ModuleGlobals::CurvePrefs(); }
};

TEST_F(frmNewTestTest, OkWaitsForTheLabelAndEveryComboOfTheKey)
{
    struct Case {
        std::int32_t mode;
        Choices steps;  // chosen one after the other, the label last
        bool wordListShown;
    };
    const Case cases[] = {
        {PrefType_PureTone, {"Air", "Threshold", "Phones", "", "Unaided"}, false},
        {PrefType_Speech, {"SRT", "SRT", "Phones", "None", "Unaided"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        frmNewTest dialog;
        dialog.Mode(c.mode);
        dialog.show();
        EXPECT_EQ(Combo(dialog, "cboWordList")->isVisible(), c.wordListShown);
        QPushButton* ok = Button(dialog, "cmdOK");
        const std::pair<const char*, std::string> steps[] = {{"cboTestType", c.steps.testType},
                                                             {"cboTransducer", c.steps.transducer},
                                                             {"cboWordList", c.steps.wordList},
                                                             {"cboAidedCondition", c.steps.condition}};
        for (const auto& [name, text] : steps) {
            EXPECT_FALSE(ok->isEnabled()) << "before " << name;
            if (!text.empty())
                choose(Combo(dialog, name), QString::fromStdString(text));
        }
        EXPECT_FALSE(ok->isEnabled()) << "every combo chosen, no label";
        typeText(child<QLineEdit>(dialog, "txtNotation"), QString::fromStdString(c.steps.label));
        EXPECT_TRUE(ok->isEnabled());
        clearText(child<QLineEdit>(dialog, "txtNotation"));
        EXPECT_FALSE(ok->isEnabled()) << "label emptied again";
    }
}

TEST_F(frmNewTestTest, TheChosenCodesMakeTheKeyAndTheNewTestsIdentity)
{
    struct Case {
        std::int32_t mode;
        Choices choices;
        Texts transducersOffered;
        Texts conditionsOffered;
        std::string key;
        std::int32_t testType;
        std::int32_t condition;
        std::int32_t wordList;
    };
    const Texts allConditions = {"Unaided", "Aided Solution 1", "Aided Solution 2"};
    const Case cases[] = {
        {PrefType_PureTone, {"Ipsi", "Ipsilateral Reflexes", "Probe", "", "Unaided"}, {"Probe"}, {"Unaided"},
         "4-0-1-", 8, 2, 0},
        {PrefType_PureTone, {"Contra", "Contralateral Reflexes", "Probe", "", "Unaided"}, {"Probe"}, {"Unaided"},
         "5-0-1-", 9, 2, 0},
        {PrefType_PureTone, {"MCL FF", "MCL", "Speaker", "", "Aided Solution 1"}, {"Phones", "Speaker"},
         allConditions, "2-3-2-", 5, 3, 0},
        {PrefType_PureTone, {"Bone", "Threshold", "Bone Oscillator", "", "Aided Solution 2"},
         {"Phones", "Bone Oscillator", "Speaker"}, allConditions, "1-2-3-", 2, 4, 0},
        {PrefType_Speech, {"WRS noise FF", "Discrimination with Noise", "Speaker", "None", "Unaided"},
         {"Phones", "Speaker"}, allConditions, "2-3-1-1-", 14, 2, 1},
        {PrefType_Speech, {"SRT user 5", "SRT", "Phones", "User Defined 5", "Aided Solution 2"},
         {"Phones", "Bone Oscillator", "Speaker"}, allConditions, "3-1-25-3-", 15, 4, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Texts transducers, conditions;
        EXPECT_TRUE(Run(c.mode, [&](frmNewTest& dialog) {
            Choose(dialog, c.choices);
            transducers = EntriesOf(*Combo(dialog, "cboTransducer"));
            conditions = EntriesOf(*Combo(dialog, "cboAidedCondition"));
            click(Button(dialog, "cmdOK"));
            EXPECT_FALSE(dialog.isVisible()) << "OK hides the dialog";
        }));
        EXPECT_EQ(transducers, c.transducersOffered);
        EXPECT_EQ(conditions, c.conditionsOffered);
        const auto test = Tests().Item(c.key);
        ASSERT_TRUE(test);
        EXPECT_EQ(test->Key(), c.key);
        EXPECT_EQ(test->Label, c.choices.label);
        EXPECT_EQ(test->TestType, c.testType);
        EXPECT_EQ(test->Condition, c.condition);
        EXPECT_EQ(test->WordList, c.wordList);
        EXPECT_EQ(test->PrefType, c.mode);
    }
    EXPECT_EQ(Tests().Count(), 6);
    EXPECT_EQ(Tests().Item(std::string("4-0-1-"))->CurveID, 1) << "CurveIDs count in order of adding";
}

TEST_F(frmNewTestTest, ANewTestIsDrawnInBlackWithoutLinesOrSymbols)
{
    ASSERT_TRUE(Run(PrefType_PureTone, [](frmNewTest& dialog) {
        Choose(dialog, {"Air", "Threshold", "Phones", "", "Unaided"});
        click(Button(dialog, "cmdOK"));
    }));
    const CCurvePref& test = *Tests().Item(std::string("1-1-1-"));
    EXPECT_EQ(test.LeftColor | test.RightColor | test.BinauralColor, 0u);
    for (std::int16_t value : {test.LeftLineStyle, test.LeftLineWidth, test.RightLineStyle, test.RightLineWidth,
                               test.BinauralLineStyle, test.BinauralLineWidth})
        EXPECT_EQ(value, 0);
    for (const SymbolFields* fields : {&kLeftSymbolFields, &kRightSymbolFields, &kBinauralSymbolFields})
        for (auto field : *fields)
            EXPECT_EQ(test.*field, 0);
}

TEST_F(frmNewTestTest, ADuplicateKeyIsRefusedAndTheDialogKeepsItsChoices)
{
    Tests().Add("4-0-1-")->Label = "Ipsi";
    const Choices again{"Second ipsi", "Ipsilateral Reflexes", "Probe", "", "Unaided"};
    EXPECT_FALSE(Run(PrefType_PureTone, [&](frmNewTest& dialog) {
        Choose(dialog, again);
        click(Button(dialog, "cmdOK"));
        EXPECT_TRUE(dialog.isVisible()) << "refused, still open";
        EXPECT_EQ(child<QLineEdit>(dialog, "txtNotation")->text().toStdString(), again.label);
        EXPECT_EQ(Combo(dialog, "cboTestType")->currentText().toStdString(), again.testType);
        EXPECT_EQ(Combo(dialog, "cboTransducer")->currentText().toStdString(), again.transducer);
        EXPECT_EQ(Combo(dialog, "cboAidedCondition")->currentText().toStdString(), again.condition);
        click(Button(dialog, "cmdCancel"));
    }));
    ASSERT_EQ(responder.shown().size(), 1u);
    const auto& shown = responder.shown()[0];
    EXPECT_EQ(shown.kind, DialogKind::MessageBox);
    EXPECT_EQ(shown.text, "This type of test already exist, cannot create another of the same type");
    EXPECT_EQ(shown.title, "Brisance Audiogram");
    EXPECT_EQ(shown.style, platform::ui::MB_OK | platform::ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(Tests().Count(), 1);
    EXPECT_EQ(Tests().Item(std::string("4-0-1-"))->Label, "Ipsi");
}

TEST_F(frmNewTestTest, CancelTheCloseBoxAndEscapeAddNothing)
{
    const std::pair<const char*, std::function<void(frmNewTest&)>> ways[] = {
        {"Cancel", [](frmNewTest& dialog) { click(Button(dialog, "cmdCancel")); }},
        {"close box", [](frmNewTest& dialog) { dialog.close(); }},
        {"Escape", [](frmNewTest& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
    };
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        bool hidden = false;
        EXPECT_FALSE(Run(PrefType_Speech, [&](frmNewTest& dialog) {
            Choose(dialog, {"SRT", "SRT", "Phones", "None", "Unaided"});
            leave(dialog);
            hidden = !dialog.isVisible();
        }));
        EXPECT_TRUE(hidden);
    }
    EXPECT_EQ(Tests().Count(), 0);
}

TEST_F(frmNewTestTest, F1OpensTheHelpAtTheDialogsContext)
{
    SetHelpPath("/help/en-US");
    Run(PrefType_PureTone, [](frmNewTest& dialog) {
        QTest::keyClick(child<QLineEdit>(dialog, "txtNotation"), Qt::Key_F1);
        click(Button(dialog, "cmdCancel"));
    });
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].kind, DialogKind::Help);
    EXPECT_EQ(responder.shown()[0].text, "/help/en-US");
    EXPECT_EQ(responder.shown()[0].style, 126u);
}

}  // namespace
}  // namespace brisance

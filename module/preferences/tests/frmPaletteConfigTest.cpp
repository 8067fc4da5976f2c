#include "module/preferences/frmPaletteConfig.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/DescribeCurve.h"
#include "module/core/ListView.h"
#include "module/core/ModuleHelp.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/panels/PaletteButton.h"
#include "module/preferences/frmTestProperties.h"
#include "module/preferences/tests/DialogTestSupport.h"

#include "platform/ui/MessageBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
namespace ui = platform::ui;
using platform::ui::DialogKind;

// What Cancel must give back of an item: ID, key, flags and descriptions.
using ItemState = std::tuple<std::int32_t, std::string, bool, bool, bool, std::string, std::string, std::string,
                             std::int32_t>;

std::vector<ItemState> StateOf(const CPaletteItems& items)
{
    std::vector<ItemState> state;
    for (const auto& item : items)
        state.emplace_back(item->ID, item->Key, item->Binaural, item->HideInGraph, item->HasData,
                           item->ConditionDescription, item->TransducerDescription, item->WordList,
                           item->NumberOfWords);
    return state;
}

class frmPaletteConfigTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        // Nine pure-tone tests, one more than a palette holds, and as many speech tests.
        for (const char* key : {"1-1-1-", "1-2-1-", "1-3-1-", "1-1-2-", "1-3-2-", "2-1-1-", "2-3-1-", "3-1-1-",
                                "3-3-1-"})
            AddTest(key, PrefType_PureTone);
        for (const char* key : {"1-1-10-1-", "1-3-10-1-", "3-1-8-1-", "3-3-8-1-", "5-1-1-1-", "6-1-1-1-",
                                "7-1-1-1-", "8-1-1-1-", "1-1-2-2-"})
            AddTest(key, PrefType_Speech);
        store = NewStore();
    }
    void TearDown() override
    {
        form.reset();
        DialogTest::TearDown();
    }

    // A test labelled "Test " + its key.
    void AddTest(const std::string& key, CurvePrefType kind)
    {
        const auto test = prefs->Add(key);
        test->Label = "Test " + key;
        test->PrefType = kind;
        test->TestType = kind == PrefType_PureTone ? 1 : 10;
        test->Condition = 2;
    }

    std::shared_ptr<CCurvePref> Test(const std::string& key) const { return prefs->Item(key); }

    std::shared_ptr<CPaletteItem> Item(const std::string& key, bool binaural = false)
    {
        const auto item = items->Add(Test(key));
        item->Binaural = binaural;
        return item;
    }

    // Opens the dialog as the views do, on the items of the fixture.
    void Open(std::int32_t curveType, bool palette)
    {
        form = std::make_unique<frmPaletteConfig>();
        form->CurveType(curveType);
        form->ShowPalette(palette);
        form->CurvePrefs(prefs);
        form->PaletteItems(items);
        form->Preferences(store);
        form->LoadTestData();
        form->show();
    }

    ListView& Tests() const { return *child<ListView>(*form, "lvwTests"); }
    ListView& Chosen() const { return *child<ListView>(*form, "lvwSelectedTests"); }
    QPushButton* Button(const char* name) const { return child<QPushButton>(*form, name); }
    void Click(const char* name) const { click(Button(name)); }

    static std::vector<std::string> RowTexts(const ListView& list)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            texts.push_back(list.topLevelItem(i)->text(0).toStdString());
        return texts;
    }

    static void ClickRow(ListView& list, const std::string& text)
    {
        const auto found = list.findItems(QString::fromStdString(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << "no row " << text;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found[0]).center());
    }

    // Selects the test's row and clicks Add.
    void AddToPalette(const std::string& key)
    {
        ClickRow(Tests(), Test(key)->Label);
        Click("cmdAddToPalette0");
    }

    // The palette's buttons that show, in order.
    std::vector<PaletteButton*> PaletteButtons() const
    {
        std::vector<PaletteButton*> shown;
        for (PaletteButton* button : form->findChildren<PaletteButton*>())
            if (button->isVisible())
                shown.push_back(button);
        return shown;
    }

    std::vector<std::string> ButtonCaptions() const
    {
        std::vector<std::string> captions;
        for (const PaletteButton* button : PaletteButtons())
            captions.push_back(button->Caption());
        return captions;
    }

    void PressButton(const std::string& caption)
    {
        for (PaletteButton* button : PaletteButtons())
            if (button->Caption() == caption) {
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, button->height() / 2));
                return;
            }
        FAIL() << "no palette button " << caption;
    }

    std::string Stored(const std::string& key) { return store->get_Value(key).toString(); }

    std::shared_ptr<CCurvePrefs> prefs = std::make_shared<CCurvePrefs>();
    std::shared_ptr<CPaletteItems> items = std::make_shared<CPaletteItems>();
    platform::com::ComPtr<vellum::IVellumKeyedStore> store;
    std::unique_ptr<frmPaletteConfig> form;
};

TEST_F(frmPaletteConfigTest, ListsTheTestsOfItsKindAndShowsTheChosenOnes)
{
    Item("1-3-1-");
    Item("1-1-1-", true);
    Open(PrefType_PureTone, true);

    ASSERT_EQ(Tests().topLevelItemCount(), 9) << "the nine pure-tone tests, no speech test";
    const QTreeWidgetItem& first = *Tests().topLevelItem(0);
    EXPECT_EQ(ListView::Key(first), "K1");
    EXPECT_EQ(ListView::Tag(first), "1");
    EXPECT_EQ(ListView::Icon(first), 1);
    EXPECT_FALSE(first.icon(0).isNull()) << "pure-tone rows show their icon";
    EXPECT_TRUE(Tests().isHeaderHidden());
    EXPECT_EQ(ButtonCaptions(), (std::vector<std::string>{"Test 1-3-1-", "Test 1-1-1-"}));
    EXPECT_FALSE(Chosen().isVisible());
    EXPECT_FALSE(child<QLabel>(*form, "lblTestNotation1")->isVisible());
    EXPECT_TRUE(Button("cmdMore")->isVisible());

    // The first row stands selected, its test shown.
    EXPECT_EQ(Tests().currentItem(), &first);
    EXPECT_EQ(child<QGroupBox>(*form, "fraTestDetails")->title().toStdString(), "Test Details (Test 1-1-1-)");
    EXPECT_EQ(child<QLabel>(*form, "lblTestDetails")->text().toStdString(), DescribeCurve(*Test("1-1-1-"), false));
    EXPECT_TRUE(Button("cmdMore")->isEnabled());
    EXPECT_FALSE(Button("cmdRemove")->isEnabled());
}

TEST_F(frmPaletteConfigTest, ClickingATestOrAButtonShowsItsDetails)
{
    Item("1-3-2-");
    Open(PrefType_PureTone, true);
    const auto* details = child<QLabel>(*form, "lblTestDetails");

    ClickRow(Tests(), "Test 2-1-1-");
    EXPECT_EQ(child<QGroupBox>(*form, "fraTestDetails")->title().toStdString(), "Test Details (Test 2-1-1-)");
    EXPECT_EQ(details->text().toStdString(), DescribeCurve(*Test("2-1-1-"), false));
    EXPECT_FALSE(Button("cmdRemove")->isEnabled());

    PressButton("Test 1-3-2-");
    EXPECT_EQ(child<QGroupBox>(*form, "fraTestDetails")->title().toStdString(), "Test Details (Test 1-3-2-)");
    EXPECT_EQ(details->text().toStdString(), DescribeCurve(*Test("1-3-2-"), false));
    EXPECT_TRUE(Button("cmdRemove")->isEnabled());
}

TEST_F(frmPaletteConfigTest, EightItemsDisableAddAndARemoveEnablesItAgain)
{
    Open(PrefType_PureTone, true);
    const std::vector<std::string> keys{"1-1-1-", "1-2-1-", "1-3-1-", "1-1-2-", "1-3-2-", "2-1-1-", "2-3-1-", "3-1-1-"};
    for (const std::string& key : keys) {
        EXPECT_TRUE(Button("cmdAddToPalette0")->isEnabled()) << items->Count() << " items";
        AddToPalette(key);
    }
    EXPECT_EQ(items->Count(), 8);
    EXPECT_EQ(ButtonCaptions().size(), 8u);
    EXPECT_FALSE(Button("cmdAddToPalette0")->isEnabled());

    ClickRow(Tests(), "Test 3-3-1-");
    EXPECT_FALSE(Button("cmdAddToPalette0")->isEnabled()) << "a click on a test keeps a full palette closed";

    PressButton("Test 1-3-1-");
    Click("cmdRemove");
    EXPECT_EQ(items->Count(), 7);
    EXPECT_EQ(items->ItemExist("1-3-1-", false), false);
    EXPECT_TRUE(Button("cmdAddToPalette0")->isEnabled());
    EXPECT_FALSE(Button("cmdRemove")->isEnabled());
    EXPECT_EQ(form->focusWidget(), &Tests()) << "the focus goes back to the tests";

    AddToPalette("3-3-1-");
    EXPECT_EQ(items->Count(), 8);
    EXPECT_EQ(ButtonCaptions().back(), "Test 3-3-1-");
}

TEST_F(frmPaletteConfigTest, ATestStandsOnThePaletteOnceButItsBinauralItemDoesNotBlockIt)
{
    Item("1-1-1-", true);
    Open(PrefType_PureTone, true);

    AddToPalette("1-1-1-");
    ASSERT_EQ(items->Count(), 2);
    EXPECT_TRUE(items->ItemExist("1-1-1-", false));
    EXPECT_TRUE(items->ItemExist("1-1-1-", true));

    AddToPalette("1-1-1-");
    EXPECT_EQ(items->Count(), 2) << "the test was added twice";
    EXPECT_EQ(ButtonCaptions().size(), 2u);
}

TEST_F(frmPaletteConfigTest, SpeechListModeHidesBinauralItemsThatStillCountAndAreSaved)
{
    Item("1-1-10-1-", true);
    for (const char* key : {"1-3-10-1-", "3-1-8-1-", "3-3-8-1-", "5-1-1-1-", "6-1-1-1-", "7-1-1-1-"})
        Item(key);
    Open(PrefType_Speech, false);

    EXPECT_TRUE(Chosen().isVisible());
    EXPECT_FALSE(child<QWidget>(*form, "PAL")->isVisible());
    EXPECT_FALSE(Button("cmdMore")->isVisible());
    EXPECT_EQ(RowTexts(Chosen()), (std::vector<std::string>{"Test 1-3-10-1-", "Test 3-1-8-1-", "Test 3-3-8-1-",
                                                            "Test 5-1-1-1-", "Test 6-1-1-1-", "Test 7-1-1-1-"}));
    EXPECT_EQ(ListView::Icon(*Chosen().topLevelItem(0)), 2);
    EXPECT_EQ(ListView::Icon(*Tests().topLevelItem(0)), 2);

    AddToPalette("8-1-1-1-");
    EXPECT_EQ(items->Count(), 8);
    EXPECT_EQ(Chosen().topLevelItemCount(), 7);
    EXPECT_FALSE(Button("cmdAddToPalette0")->isEnabled()) << "the binaural item counts toward the eight";

    ClickRow(Chosen(), "Test 3-1-8-1-");
    Click("cmdRemove");
    EXPECT_FALSE(items->ItemExist("3-1-8-1-", false));
    EXPECT_EQ(Chosen().topLevelItemCount(), 6);
    EXPECT_TRUE(Button("cmdAddToPalette0")->isEnabled());

    form->SavePaletteButtonsIntoPrefs();
    EXPECT_EQ(Stored("SPPalButtons"), "1-1-10-1-,1-3-10-1-,3-3-8-1-,5-1-1-1-,6-1-1-1-,7-1-1-1-,8-1-1-1-,");
    EXPECT_EQ(Stored("SPPalButtonsBinaural"), "True,False,False,False,False,False,False,");
    EXPECT_TRUE(store->get_Value("PTPalButtons").isNull());
}

TEST_F(frmPaletteConfigTest, SavesThePaletteAtTheStoresPositionUnderTheKeysOfItsKind)
{
    struct Case {
        std::int32_t curveType;
        std::vector<std::pair<std::string, bool>> items;
        const char* key;
        const char* keys;
        const char* binaural;
    };
    const Case cases[] = {
        {PrefType_PureTone, {}, "PTPalButtons", "", ""},
        {PrefType_Speech, {}, "SPPalButtons", "", ""},
        {PrefType_PureTone, {{"1-1-1-", false}, {"1-3-2-", true}}, "PTPalButtons", "1-1-1-,1-3-2-,", "False,True,"},
        {PrefType_Speech, {{"3-1-8-1-", true}}, "SPPalButtons", "3-1-8-1-,", "True,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.keys);
        store = NewStore();
        store->put_Category(0);
        store->put_Section(4);
        store->put_Value(c.key, "stale,");
        items->Clear();
        for (const auto& [key, binaural] : c.items)
            Item(key, binaural);
        Open(c.curveType, c.curveType == PrefType_PureTone);
        form->SavePaletteButtonsIntoPrefs();

        EXPECT_EQ(store->get_Category(), 0);
        EXPECT_EQ(store->get_Section(), 4);
        EXPECT_EQ(Stored(c.key), c.keys);
        EXPECT_EQ(Stored(std::string(c.key) + "Binaural"), c.binaural);
        EXPECT_EQ(store->get_Value(c.key).type(), platform::runtime::VarType::String)
            << "an empty palette writes an empty text, not nothing";
    }
}

TEST_F(frmPaletteConfigTest, CancelAndTheCloseBoxGiveBackTheItemsAsHandedIn)
{
    const struct {
        const char* closing;
        std::function<void(frmPaletteConfig&)> close;
    } closings[] = {
        {"Cancel", [](frmPaletteConfig& form) { click(child<QPushButton>(form, "cmdCancel")); }},
        {"the close box", [](frmPaletteConfig& form) { form.close(); }},
        {"Escape", [](frmPaletteConfig& form) { QTest::keyClick(&form, Qt::Key_Escape); }},
    };
    for (const auto& closing : closings) {
        SCOPED_TRACE(closing.closing);
        items->Clear();
        Item("1-1-1-");
        const auto gone = Item("1-2-1-");
        const auto hidden = Item("1-3-1-", true);
        items->RemoveByID(gone->ID);  // IDs 0 and 2
        hidden->HideInGraph = true;
        hidden->ConditionDescription = "open fit";
        hidden->TransducerDescription = "insert";
        hidden->WordList = "NU-6";
        hidden->NumberOfWords = 25;
        const auto before = StateOf(*items);

        Open(PrefType_PureTone, true);
        AddToPalette("2-1-1-");
        AddToPalette("1-2-1-");
        PressButton("Test 1-1-1-");
        Click("cmdRemove");
        ASSERT_NE(StateOf(*items), before);

        closing.close(*form);
        EXPECT_FALSE(form->OKPressed);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(StateOf(*items), before);
        EXPECT_EQ(items->ItemByID(2)->CurvePreferences, Test("1-3-1-")) << "each item offers its test again";
    }
}

TEST_F(frmPaletteConfigTest, OkKeepsTheEditedItems)
{
    Item("1-1-1-");
    Open(PrefType_PureTone, true);
    AddToPalette("2-1-1-");
    PressButton("Test 1-1-1-");
    Click("cmdRemove");

    Click("cmdOK");
    EXPECT_TRUE(form->OKPressed);
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(items->Count(), 1);
    EXPECT_EQ((*items->begin())->Key, "2-1-1-");
}

TEST_F(frmPaletteConfigTest, ATestWithResultsCannotBeRemoved)
{
    for (const bool palette : {true, false}) {
        SCOPED_TRACE(palette ? "palette" : "list");
        items->Clear();
        Item("3-1-8-1-")->HasData = true;
        Item("1-1-10-1-");
        ui::TestResponder boxes;
        Open(PrefType_Speech, palette);

        if (palette)
            PressButton("Test 3-1-8-1-");
        else
            ClickRow(Chosen(), "Test 3-1-8-1-");
        Click("cmdRemove");

        EXPECT_EQ(items->Count(), 2);
        EXPECT_TRUE(items->ItemExist("3-1-8-1-", false));
        EXPECT_FALSE(Button("cmdRemove")->isEnabled());
        ASSERT_EQ(boxes.shown().size(), 1u);
        const ui::ShownDialog& box = boxes.shown()[0];
        EXPECT_EQ(box.kind, DialogKind::MessageBox);
        EXPECT_EQ(box.text, ModuleGlobals::UiTextLoader()->LoadResString(TR_TEST_IN_USE));
        EXPECT_EQ(box.title, ProgramTitle(*ModuleGlobals::UiTextLoader()));
        EXPECT_EQ(box.style, ui::MB_OK | ui::MB_ICONINFORMATION);
    }
}

TEST_F(frmPaletteConfigTest, WithNoTestOfTheKindItOpensAndClicksWithoutError)
{
    prefs = std::make_shared<CCurvePrefs>();
    AddTest("1-1-1-", PrefType_PureTone);
    for (const bool palette : {true, false}) {
        SCOPED_TRACE(palette ? "palette" : "list");
        Open(PrefType_Speech, palette);
        EXPECT_EQ(Tests().topLevelItemCount(), 0);
        EXPECT_EQ(child<QGroupBox>(*form, "fraTestDetails")->title().toStdString(), "Test Details");
        EXPECT_EQ(child<QLabel>(*form, "lblTestDetails")->text().toStdString(), "");

        Click("cmdAddToPalette0");
        Click("cmdRemove");
        QTest::mouseClick(Tests().viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        Click("cmdOK");
        EXPECT_TRUE(form->OKPressed);
        EXPECT_EQ(items->Count(), 0);
    }
}

TEST_F(frmPaletteConfigTest, MoreEditsTheTestShownAndTheListsShowItsNewLabel)
{
    Item("1-3-1-");
    Open(PrefType_PureTone, true);
    PressButton("Test 1-3-1-");

    dialogs.answer<frmTestProperties>([](frmTestProperties& properties) {
        EXPECT_FALSE(properties.SpeechMode());
        EXPECT_FALSE(properties.AllowCommentEditing());
        auto* label = child<QLineEdit>(properties, "txtNotation");
        EXPECT_EQ(label->text(), "Test 1-3-1-") << "More opened another test than the one shown";
        clearText(label);
        typeText(label, "Sound field");
        click(child<QPushButton>(properties, "cmdOK"));
    });
    Click("cmdMore");

    EXPECT_EQ(Test("1-3-1-")->Label, "Sound field");
    EXPECT_EQ(RowTexts(Tests())[2], "Sound field");
    EXPECT_EQ(ButtonCaptions(), std::vector<std::string>{"Sound field"});
}

TEST_F(frmPaletteConfigTest, F1OpensTheHelpAtTheDialogsContext)
{
    SetHelpPath("/help/en-US");
    Open(PrefType_PureTone, true);
    QTest::keyClick(&Tests(), Qt::Key_F1);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].kind, DialogKind::Help);
    EXPECT_EQ(responder.shown()[0].style, 109u);
}

}  // namespace
}  // namespace brisance

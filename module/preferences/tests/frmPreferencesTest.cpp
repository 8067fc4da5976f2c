#include "module/preferences/frmPreferences.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/ListView.h"
#include "module/core/ModuleHelp.h"
#include "module/panels/PaletteButton.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/preferences/frmPaletteConfig.h"
#include "module/preferences/frmPrefARTOptions.h"
#include "module/preferences/frmPrefNotes.h"
#include "module/preferences/frmPrefPureToneGraph.h"
#include "module/preferences/frmPrefSpeechGraph.h"
#include "module/preferences/frmPrefTestData.h"
#include "module/preferences/frmPrefTympOptions.h"
#include "module/preferences/tests/ProfileTestSupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using platform::ui::DialogKind;

Variant Long(std::int32_t value)
{
    return Variant(value);
}

class frmPreferencesTest : public ProfileTest {
protected:
    // Opens the dialog on the profile as the document does, without a modal loop.
    void Open(const Keys& stored, std::int16_t tab = 0)
    {
        Store(stored);
        form = std::make_unique<frmPreferences>();
        form->Preferences(store);
        form->LoadPreferences();
        form->ProfileName("Clinic A");
        if (tab)
            form->ShowTab(tab);
        form->show();
        QObject::connect(form.get(), &frmPreferences::ApplyButton, [this] { ++applied; });
    }
    void TearDown() override
    {
        form.reset();
        ProfileTest::TearDown();
    }

    template <typename Widget = QWidget>
    Widget& Control(const char* name)
    {
        Widget* found = child<Widget>(*form, name);
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }
    void Click(const char* name) { click(&Control(name)); }
    void ClickTab(int index)
    {
        auto& tabs = Control<QTabBar>("tabMain");
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
    }

    std::unique_ptr<frmPreferences> form;
    int applied = 0;
};

TEST_F(frmPreferencesTest, AnEmptyProfileOpensUntickedInTableModeAndOkWritesTheFourKeysInOrder)
{
    Open({});
    EXPECT_EQ(form->windowTitle(), QString::fromStdString(UiText(TR_PROFILE_OPTIONS)).remove('&') + " (Clinic A)");
    EXPECT_THAT(TickedNames(*form), UnorderedElementsAre("optSpeechGraph1"));
    Click("cmdOK");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(applied, 1);
    const Keys stored = Stored();
    ASSERT_EQ(stored.size(), 4u);
    const char* order[] = {"PTPanels", "SPShowGraph", "SPPanels", "IMPanels"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(stored[i].first, order[i]);
    EXPECT_EQ(Described(stored), Described({{"PTPanels", Long(0)},
                                            {"SPShowGraph", false},
                                            {"SPPanels", Long(0)},
                                            {"IMPanels", Long(0)}}));
}

TEST_F(frmPreferencesTest, StoredPanelsShowAsTickedBoxesAndUnusedBitsAreDropped)
{
    Open({{"PTPanels", Long(5)}, {"SPShowGraph", true}, {"SPPanels", "6"}, {"IMPanels", Long(63)}});
    EXPECT_THAT(TickedNames(*form),
                UnorderedElementsAre("chkPTShowTestData", "chkPTShowPTA", "optSpeechGraph0", "chkSPShowPTA",
                                     "chkSPShowNotes", "chkShowImpedanceNotes", "chkShowIART", "chkShowCART",
                                     "chkShowTymp"));
    Click("cmdOK");
    EXPECT_EQ(Described(Stored()), Described({{"PTPanels", Long(5)},
                                              {"SPShowGraph", true},
                                              {"SPPanels", Long(6)},
                                              {"IMPanels", Long(58)}}));
}

TEST_F(frmPreferencesTest, AGreyedBoxSavesUnticked)
{
    Open({{"PTPanels", Long(7)}});
    Control<QCheckBox>("chkPTShowTestData").setCheckState(Qt::PartiallyChecked);
    Click("cmdOK");
    EXPECT_EQ(Describe(Stored()[0].second), "Long 6");
}

TEST_F(frmPreferencesTest, SpeechTableModeDisablesTheGraphButtonAndTheSpeechTestDataBox)
{
    Open({{"SPShowGraph", false}});
    auto& graphButton = Control("cmdPTGraphLayout");
    EXPECT_TRUE(graphButton.isEnabled()) << "the pure-tone tab's graph button";

    ClickTab(1);
    EXPECT_FALSE(graphButton.isEnabled());
    EXPECT_FALSE(Control("chkSPShowTestData").isEnabled());
    Click("optSpeechGraph0");
    EXPECT_TRUE(graphButton.isEnabled());
    EXPECT_TRUE(Control("chkSPShowTestData").isEnabled());
    Click("optSpeechGraph1");
    EXPECT_FALSE(graphButton.isEnabled());

    ClickTab(0);
    EXPECT_TRUE(graphButton.isEnabled()) << "the pure-tone graph has options in either speech mode";
}

TEST_F(frmPreferencesTest, EachTabShowsItsOwnControls)
{
    Open({});
    const std::vector<const char*> pureTone = {"chkPTShowTestData", "chkPTShowPTA", "chkPTShowNotes",
                                               "cmdTestDataOptions", "lblNotesMessage"};
    const std::vector<const char*> speech = {"optSpeechGraph0", "optSpeechGraph1", "chkSPShowTestData",
                                             "chkSPShowPTA", "chkSPShowNotes", "lblSPNotesMessage"};
    const auto expectShown = [this](const std::vector<const char*>& names, bool shown) {
        for (const char* name : names)
            EXPECT_EQ(Control(name).isVisible(), shown) << name;
    };

    expectShown(pureTone, true);
    expectShown(speech, false);
    EXPECT_FALSE(Control("picImpedanceOptions").isVisible());

    form->ShowTab(2);
    expectShown(pureTone, false);
    expectShown(speech, true);
    EXPECT_EQ(Control("chkSPShowPTA").geometry(), Control("chkPTShowPTA").geometry());

    form->ShowTab(3);
    EXPECT_FALSE(Control("picOptions").isVisible());
    EXPECT_TRUE(Control("picImpedanceOptions").isVisible());
    EXPECT_EQ(Control("picOptions").geometry(), Control("picImpedanceOptions").geometry());
}

TEST_F(frmPreferencesTest, ApplyWritesAndRaisesApplyButtonAndALaterCancelKeepsIt)
{
    Open({});
    Click("chkPTShowNotes");
    Click("cmdApply");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(applied, 1);
    Click("chkPTShowPTA");
    Click("cmdCancel");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(Describe(Stored()[0].second), "Long 2");
}

TEST_F(frmPreferencesTest, F1OpensTheHelpOfTheShownTab)
{
    SetHelpPath("/help/en-US");
    Open({}, 3);
    for (const auto& [tab, context] : {std::pair{3, 105u}, std::pair{1, 103u}, std::pair{2, 104u}}) {
        form->ShowTab(static_cast<std::int16_t>(tab));
        QTest::keyClick(form.get(), Qt::Key_F1);
        ASSERT_FALSE(responder.shown().empty());
        EXPECT_EQ(responder.shown().back().kind, DialogKind::Help);
        EXPECT_EQ(responder.shown().back().style, context) << "tab " << tab;
    }
}

TEST_F(frmPreferencesTest, EachPageButtonOpensItsPageInItsModeOnTheProfile)
{
    Open({{"TympPressure", true}});
    // The page is on the dialog's store, still at the profile, and loaded from it.
    const auto onProfile = [this](OptionPage& page) {
        EXPECT_EQ(page.Preferences().get(), store.get());
        EXPECT_EQ(store->get_Category(), 0);
        EXPECT_EQ(store->get_Section(), kProfile);
        click(child<QPushButton>(page, "cmdCancel"));
    };
    struct ButtonCase {
        int tab;
        const char* button;
        std::function<void()> expectPage;
    };
    const ButtonCase cases[] = {
        {1, "cmdPTGraphLayout", [&] { dialogs.answer<frmPrefPureToneGraph>(onProfile); }},
        {2, "cmdPTGraphLayout", [&] { dialogs.answer<frmPrefSpeechGraph>(onProfile); }},
        {1, "cmdTestDataOptions",
         [&] {
             dialogs.answer<frmPrefTestData>([&](frmPrefTestData& page) {
                 EXPECT_FALSE(page.SpeechMode());
                 onProfile(page);
             });
         }},
        {1, "cmdNotesOptions0",
         [&] {
             dialogs.answer<frmPrefNotes>([&](frmPrefNotes& page) {
                 EXPECT_EQ(page.Mode(), 0);
                 onProfile(page);
             });
         }},
        {2, "cmdNotesOptions0",
         [&] {
             dialogs.answer<frmPrefNotes>([&](frmPrefNotes& page) {
                 EXPECT_EQ(page.Mode(), 1);
                 onProfile(page);
             });
         }},
        {3, "cmdNotesOptions1",
         [&] {
             dialogs.answer<frmPrefNotes>([&](frmPrefNotes& page) {
                 EXPECT_EQ(page.Mode(), 2);
                 onProfile(page);
             });
         }},
        {3, "cmdARTOptions0",
         [&] {
             dialogs.answer<frmPrefARTOptions>([&](frmPrefARTOptions& page) {
                 EXPECT_EQ(page.Mode(), 0);
                 onProfile(page);
             });
         }},
        {3, "cmdARTOptions1",
         [&] {
             dialogs.answer<frmPrefARTOptions>([&](frmPrefARTOptions& page) {
                 EXPECT_EQ(page.Mode(), 1);
                 onProfile(page);
             });
         }},
        {3, "cmdTympanometry",
         [&] {
             dialogs.answer<frmPrefTympOptions>([&](frmPrefTympOptions& page) {
                 EXPECT_TRUE(child<QRadioButton>(page, "optPressure0")->isChecked()) << "the page was not loaded";
                 onProfile(page);
             });
         }},
    };
    Click("optSpeechGraph0");  // the speech graph button works in graph mode
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.button);
        form->ShowTab(static_cast<std::int16_t>(c.tab));
        c.expectPage();
        Click(c.button);
    }
    EXPECT_EQ(applied, 0) << "a page raised ApplyButton";
}

TEST_F(frmPreferencesTest, WhatAPageWroteStaysWhenTheDialogIsCancelled)
{
    Open({});
    form->ShowTab(3);
    dialogs.answer<frmPrefTympOptions>([](frmPrefTympOptions& page) {
        click(child<QRadioButton>(page, "optVolume0"));
        click(child<QPushButton>(page, "cmdOK"));
    });
    Click("cmdTympanometry");
    Click("cmdCancel");
    EXPECT_EQ(Described(Stored()),
              Described({{"TympPressure", false}, {"TympVolume", true}, {"TympGradient", false}}));
}

// The palette dialog's buttons and rows, as a user clicks them.
void PressPaletteButton(frmPaletteConfig& palette, const std::string& caption)
{
    for (PaletteButton* button : palette.findChildren<PaletteButton*>())
        if (button->isVisible() && button->Caption() == caption) {
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, button->height() / 2));
            return;
        }
    FAIL() << "no palette button " << caption;
}

void ClickTestRow(frmPaletteConfig& palette, const std::string& label)
{
    ListView& tests = *child<ListView>(palette, "lvwTests");
    const auto found = tests.findItems(QString::fromStdString(label), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << "no row " << label;
    QTest::mouseClick(tests.viewport(), Qt::LeftButton, {}, tests.visualItemRect(found[0]).center());
}

TEST_F(frmPreferencesTest, ThePaletteButtonEditsTheEditedProfilesPaletteAndWritesItOnlyOnOk)
{
    CCurvePrefs& tests = *ModuleGlobals::CurvePrefs();
    for (const char* key : {"1-1-1-", "1-2-1-", "1-3-1-"}) {
        const auto test = tests.Add(key);
        test->Label = std::string("Test ") + key;
        test->TestType = 1;
        test->Condition = 2;
    }
    // The open audiogram, with results of air conduction.
    const auto audiogram = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    audiogram->get_PureToneCurves()->Add(1, vellum::kEarLeft, 2)->get_Points()->Add(1000)->put_Level(200);
    const auto shownBefore = audiogram->get_Data().toBytes();
    // The document's own profile, which is not the one edited.
    {
        StoreSelectionKeeper current(*store, 0, 1);
        store->put_Value("PTPalButtons", "1-3-1-,");
        store->put_Value("PTPalButtonsBinaural", "False,");
    }
    const Keys palette = {{"PTPalButtons", "1-1-1-,1-2-1-,"}, {"PTPalButtonsBinaural", "False,False,"}};
    Open(palette);
    form->DataLayer(audiogram);

    dialogs.answer<frmPaletteConfig>([](frmPaletteConfig& dialog) {
        EXPECT_EQ(dialog.CurveType(), PrefType_PureTone);
        EXPECT_TRUE(dialog.ShowPalette());
        PressPaletteButton(dialog, "Test 1-2-1-");
        click(child<QPushButton>(dialog, "cmdRemove"));
        click(child<QPushButton>(dialog, "cmdCancel"));
    });
    Click("cmdPalette");
    EXPECT_EQ(Described(Stored()), Described(palette)) << "Cancel in the palette dialog wrote";

    dialogs.answer<frmPaletteConfig>([](frmPaletteConfig& dialog) {
        PressPaletteButton(dialog, "Test 1-1-1-");
        click(child<QPushButton>(dialog, "cmdRemove"));
        PressPaletteButton(dialog, "Test 1-2-1-");
        click(child<QPushButton>(dialog, "cmdRemove"));
        ClickTestRow(dialog, "Test 1-3-1-");
        click(child<QPushButton>(dialog, "cmdAddToPalette0"));
        click(child<QPushButton>(dialog, "cmdOK"));
    });
    Click("cmdPalette");
    EXPECT_EQ(Described(Stored()),
              Described({{"PTPalButtons", "1-1-1-,1-3-1-,"}, {"PTPalButtonsBinaural", "False,False,"}}));
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].kind, DialogKind::MessageBox);
    EXPECT_EQ(responder.shown()[0].text, UiText(TR_TEST_IN_USE)) << "a test with results was taken off";

    EXPECT_EQ(Described(StoredIn(1)),
              Described({{"PTPalButtons", "1-3-1-,"}, {"PTPalButtonsBinaural", "False,"}}));
    EXPECT_EQ(audiogram->get_Data().toBytes(), shownBefore);
    EXPECT_EQ(applied, 0);
}

TEST_F(frmPreferencesTest, TheSpeechPaletteIsAListInTableMode)
{
    Open({}, 2);
    dialogs.answer<frmPaletteConfig>([](frmPaletteConfig& dialog) {
        EXPECT_EQ(dialog.CurveType(), PrefType_Speech);
        EXPECT_FALSE(dialog.ShowPalette());
        click(child<QPushButton>(dialog, "cmdOK"));
    });
    Click("cmdPalette");
    EXPECT_EQ(Described(Stored()), Described({{"SPPalButtons", ""}, {"SPPalButtonsBinaural", ""}}));
}

TEST_F(frmPreferencesTest, AStoreThatFailsIsReportedAndTheDialogStaysOpen)
{
    Store({{"PTPanels", Long(4)}});
    form = std::make_unique<frmPreferences>();
    QObject::connect(form.get(), &frmPreferences::ApplyButton, [this] { ++applied; });
    form->Preferences(store);
    form->LoadPreferences();
    form->show();
    // The store fails from now on.
    form->Preferences(platform::com::make<StoreFailingOn>(store, "SPPanels"));

    Click("cmdOK");
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_THAT(responder.shown()[0].text, ::testing::HasSubstr("The store cannot take SPPanels"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(applied, 0);
    EXPECT_EQ(Described(Stored()), Described({{"PTPanels", Long(4)}, {"SPShowGraph", false}}));

    // A page that cannot load does not open.
    form->Preferences(platform::com::make<StoreFailingOn>(store, "TympVolume"));
    form->ShowTab(3);
    Click("cmdTympanometry");
    ASSERT_EQ(responder.shown().size(), 2u);
    EXPECT_THAT(responder.shown()[1].text, ::testing::HasSubstr("The store cannot take TympVolume"));
}

}  // namespace
}  // namespace brisance

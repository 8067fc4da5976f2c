#include "module/document/tests/DocumentProfileSupport.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ListView.h"
#include "module/core/PreferenceValues.h"
#include "module/core/TextResources.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/MenuControlArray.h"
#include "module/panels/PaletteButton.h"
#include "module/preferences/frmAudiometers.h"
#include "module/preferences/frmGeneralOptions.h"
#include "module/preferences/frmPaletteConfig.h"
#include "module/preferences/frmPreferences.h"
#include "module/preferences/frmProfileManager.h"
#include "module/preferences/frmTestProperties.h"
#include "module/preferences/ProfileExportFile.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/testing/ModalDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QCoreApplication>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <filesystem>
#include <optional>
#include <utility>

namespace brisance {
namespace {

using namespace testing;
using platform::runtime::Variant;
using platform::testing::ModalDialogs;
using platform::testing::child;
using platform::testing::click;

constexpr std::int16_t kClinic = 9;

// True when every palette item's test is the module's test of its key.
bool ItemsHoldTheModulesTests(const CPaletteItems& items)
{
    const CCurvePrefs& tests = *ModuleGlobals::CurvePrefs();
    for (const auto& item : items)
        if (!item->CurvePreferences || tests.Item(item->CurvePreferences->Key()) != item->CurvePreferences)
            return false;
    return true;
}

class DocumentDialogsTest : public DocumentProfileTest {
protected:
    docAudiogramModule& OpenClinic(const Keys& keys = {})
    {
        Keys all = StandardPalettes();
        all.insert(all.end(), keys.begin(), keys.end());
        StoreProfiles({{kClinic, "Clinic", true, all}});
        docAudiogramModule& opened = OpenDocument();
        EXPECT_TRUE(opened.Initialized());
        return opened;
    }

    Variant UsersGlobalOption(const std::string& key)
    {
        const auto stored = UsersStore();
        StoreSelectionKeeper globals(*stored, 100, 0);
        return stored->get_Value(key);
    }
};

TEST_F(DocumentDialogsTest, GlobalOptionsApplyWritesReloadsAndAppliesTheProfileOnlyAfterADeletion)
{
    for (const bool deleteATest : {false, true}) {
        SCOPED_TRACE(deleteATest ? "a test deleted" : "nothing deleted");
        docAudiogramModule& document = OpenClinic();
        // Marks that only applying the profile again undoes.
        document.oPureTone().Mode(0);
        document.Menus().mnuFile->setTitle("placeholder");
        {
            ModalDialogs dialogs;
            dialogs.answer<frmGeneralOptions>([&](frmGeneralOptions& dialog) {
                click(child(dialog, "optOrientation1"));
                if (deleteATest) {
                    auto* tests = child<QTreeWidget>(dialog, "lvwTests");
                    tests->setCurrentItem(tests->topLevelItem(0));
                    click(child(dialog, "cmdDelete"));
                }
                click(child(dialog, "cmdOK"));
            });
            document.Menus().mnuGeneralOptions->trigger();
        }
        EXPECT_EQ(UsersGlobalOption("GENRightOnLeft"), Variant(false)) << "the options were not written to the user";
        EXPECT_FALSE(document.oPureTone().RightOnLeft());
        EXPECT_FALSE(document.oSpeech().RightOnLeft());
        EXPECT_EQ(document.Menus().mnuFile->title().toStdString(), UiText(TR_MENU_AUDIOGRAM));
        EXPECT_EQ(document.oPureTone().Mode(), deleteATest ? 1 : 0);
        EXPECT_TRUE(ItemsHoldTheModulesTests(*document.oPureTone().PaletteItems()));
        EXPECT_TRUE(PaletteShowsItems(*document.oPureTone().Palette(), *document.oPureTone().PaletteItems()));
        CloseDocument();
    }
}

TEST_F(DocumentDialogsTest, GlobalOptionsCancelledAfterADeletionBuildThePalettesOnTheReloadedTests)
{
    docAudiogramModule& document = OpenClinic({{"SPShowGraph", true}});
    document.oPureTone().Mode(0);
    {
        ModalDialogs dialogs;
        dialogs.answer<frmGeneralOptions>([&](frmGeneralOptions& dialog) {
            auto* tests = child<QTreeWidget>(dialog, "lvwTests");
            tests->setCurrentItem(tests->topLevelItem(0));
            click(child(dialog, "cmdDelete"));
            click(child(dialog, "cmdCancel"));
        });
        document.Menus().mnuGeneralOptions->trigger();
    }
    EXPECT_EQ(document.oPureTone().Mode(), 1) << "the profile was not applied again";
    EXPECT_TRUE(ItemsHoldTheModulesTests(*document.oPureTone().PaletteItems()));
    EXPECT_TRUE(ItemsHoldTheModulesTests(*document.oSpeech().PaletteItems()));
    EXPECT_GT(document.oPureTone().PaletteItems()->Count(), 0);
}

TEST_F(DocumentDialogsTest, PreferencesOpenOnTheShownTabAndAnAppliedPanelReachesTheView)
{
    docAudiogramModule& document = OpenClinic({{"SPPanels", std::int32_t{0}}, {"SPShowGraph", true}});
    document.tabMain().Select("SPEECH");
    document.Menus().mnuViewNotes->setChecked(false);
    ASSERT_FALSE(document.oSpeech().ShowNotes());
    {
        ModalDialogs dialogs;
        dialogs.answer<frmPreferences>([&](frmPreferences& dialog) {
            EXPECT_TRUE(dialog.windowTitle().contains("(Clinic)")) << dialog.windowTitle().toStdString();
            EXPECT_EQ(child<QTabBar>(dialog, "tabMain")->currentIndex(), 1);
            click(child(dialog, "chkSPShowNotes"));
            click(child(dialog, "cmdApply"));
            EXPECT_TRUE(document.oSpeech().ShowNotes());
            click(child(dialog, "cmdCancel"));
        });
        document.Menus().mnuPreferences->trigger();
    }
    EXPECT_TRUE(document.oSpeech().ShowNotes());
    EXPECT_TRUE(document.oSpeech().isVisibleTo(&document)) << "the layout did not show the view again";
    EXPECT_TRUE(document.Menus().mnuViewNotes->isChecked());
    const auto stored = UsersStore();
    StoreSelectionKeeper clinic(*stored, 0, kClinic);
    EXPECT_EQ(PreferenceNumber(*stored, "SPPanels") & 2, 2) << "the change was not written to the user";
}

TEST_F(DocumentDialogsTest, CalibrationDatesOkReloadsTheAudiometersOfAllThreeNotesPanels)
{
    docAudiogramModule& document = OpenClinic();
    {
        const auto store = ModuleGlobals::PreferenceStore();
        StoreSelectionKeeper audiometers(*store, 1000, 0);
        store->put_Value("Lab audiometer", "01/02/2026");
    }
    {
        ModalDialogs dialogs;
        dialogs.answer<frmAudiometers>([](frmAudiometers& dialog) { click(child(dialog, "cmdOK")); });
        document.Menus().mnuAudiometers->trigger();
    }
    for (INotes* notes : {document.oPureTone().Notes(), document.oSpeech().Notes(), document.oImpedance().Notes()})
        EXPECT_GE(child<QComboBox>(*notes, "cboMake")->findText("Lab audiometer"), 0);
    const auto stored = UsersStore();
    StoreSelectionKeeper audiometers(*stored, 1000, 0);
    EXPECT_FALSE(stored->get_Value("Lab audiometer").isNull()) << "the list was not written to the user";
}

TEST_F(DocumentDialogsTest, ProfileManagerResetAsksForARestartOnceAndAppliesTheDefault)
{
    docAudiogramModule& document = OpenClinic();
    responder.queue(platform::ui::reply::Button{platform::ui::IDOK});
    {
        ModalDialogs dialogs;
        dialogs.answer<frmProfileManager>([](frmProfileManager& dialog) {
            click(child(dialog, "cmdReset_to_ORVEL"));
            click(child(dialog, "cmdOK"));
        });
        document.Menus().mnuToolsProfileManager->trigger();
    }
    std::vector<std::string> restarts;
    for (const auto& shown : responder.shown())
        if (shown.text == UiText(TR_RESTART)) {
            restarts.push_back(shown.text);
            EXPECT_EQ(shown.style & platform::ui::MB_ICONMASK, platform::ui::MB_ICONSTOP);
        }
    EXPECT_EQ(restarts.size(), 1u);
    EXPECT_FALSE(ModuleGlobals::PreferencesReset());
    // The clinic's profile is gone: the shared profile's default is current.
    const std::int16_t current = ModuleGlobals::PreferenceStore()->get_Section();
    EXPECT_NE(current, kClinic);
    EXPECT_EQ(TickedTags(document), std::vector<std::string>{std::to_string(current)});
    EXPECT_EQ(document.imcProfiles().ItemKey(document.imcProfiles().currentIndex()), std::to_string(current) + "K");
}

TEST_F(DocumentDialogsTest, ProfileManagerCancelRestoresTheStoreAndLeavesTheResetFlagAsItWas)
{
    docAudiogramModule& document = OpenClinic({{"PTOneGraph", true}});
    responder.queue(platform::ui::reply::Button{platform::ui::IDOK});
    {
        ModalDialogs dialogs;
        dialogs.answer<frmProfileManager>([](frmProfileManager& dialog) {
            click(child(dialog, "cmdReset_to_ORVEL"));
            click(child(dialog, "cmdCancel"));
        });
        document.Menus().mnuToolsProfileManager->trigger();
    }
    EXPECT_TRUE(ModuleGlobals::PreferencesReset()) << "only OK reports and clears the reset";
    EXPECT_EQ(ModuleGlobals::PreferenceStore()->get_Section(), kClinic);
    EXPECT_EQ(ListedTags(document), std::vector<std::string>{std::to_string(kClinic)});
    EXPECT_EQ(TickedTags(document), std::vector<std::string>{std::to_string(kClinic)});
    EXPECT_EQ(document.oPureTone().Mode(), 0);
    for (const auto& shown : responder.shown())
        EXPECT_NE(shown.text, UiText(TR_RESTART));
}

TEST_F(DocumentDialogsTest, ProfileManagerImportOfAProfileWithANewTestBringsTheTestToItsPalette)
{
    docAudiogramModule& document = OpenClinic();
    const std::string key = "1-1-9-";
    ASSERT_FALSE(ModuleGlobals::CurvePrefs()->ItemExist(key));

    // An export from another machine: its tests hold one more, which its
    // profile's pure-tone palette shows.
    const auto other = NewStore();
    other->put_Data(ModuleGlobals::PreferenceStore()->get_Data());
    CCurvePrefs tests;
    tests.LoadFromPreferences(*other);
    const auto added = tests.Add(key);
    added->Label = "Field test";
    added->TestType = 1;
    added->Condition = 2;
    tests.SaveToPreferences(*other);
    Variant profile;
    {
        StoreSelectionKeeper clinic(*other, 0, kClinic);
        other->put_Value("Profile", "Imported");
        other->put_Value("PTPalButtons", key + ",");
        other->put_Value("PTPalButtonsBinaural", "False,");
        profile = other->get_SectionData();
    }
    Variant globalOptions;
    {
        StoreSelectionKeeper globals(*other, CCurvePrefs::kCategory, 0);
        globalOptions = other->get_CategoryData();
    }
    const std::filesystem::path file = platform::machine::root() / "exports" / "Imported.profile";
    WriteFile(file, ProfileExportBytes(profile, globalOptions));

    responder.queue(platform::ui::reply::File{file.string()});
    responder.queue(platform::ui::reply::Button{platform::ui::IDYES});  // the global options too
    {
        ModalDialogs dialogs;
        dialogs.answer<frmProfileManager>([](frmProfileManager& dialog) {
            // More offers its menu once a profile is clicked.
            auto& profiles = *child<ListView>(dialog, "lvwProfiles");
            QTreeWidgetItem* clinic = profiles.FindItem(std::to_string(kClinic) + "K");
            ASSERT_NE(clinic, nullptr);
            profiles.clearSelection();
            QTest::mouseClick(profiles.viewport(), Qt::LeftButton, {}, profiles.visualItemRect(clinic).center());
            click(child(dialog, "cmdMore"));
            QMenu* menu = dialog.findChild<QMenu*>("popupMenu");
            ASSERT_NE(menu, nullptr);
            menu->findChild<QAction*>("mnuImportFromFile")->trigger();
            menu->hide();
            click(child(dialog, "cmdOK"));
        });
        document.Menus().mnuToolsProfileManager->trigger();
    }
    ASSERT_TRUE(ModuleGlobals::CurvePrefs()->ItemExist(key)) << "the imported tests were not loaded";
    const std::vector<std::string> listed = ListedTags(document);
    const auto imported = std::find(listed.begin(), listed.end(), "0");
    ASSERT_NE(imported, listed.end()) << "the imported profile is not listed";

    document.Menus().mnuProfileList->Action(static_cast<std::int32_t>(imported - listed.begin())).trigger();

    const CPaletteItems& items = *document.oPureTone().PaletteItems();
    ASSERT_EQ(items.Count(), 1);
    const auto item = *items.begin();
    EXPECT_EQ(item->CurvePreferences->Label, "Field test");
    EXPECT_TRUE(PaletteShowsItems(*document.oPureTone().Palette(), items));
}

// The profile manager confirmed with these steps on the open dialog.
void RunProfileManager(docAudiogramModule& document, const std::function<void(frmProfileManager&)>& steps)
{
    ModalDialogs dialogs;
    dialogs.answer<frmProfileManager>([&steps](frmProfileManager& dialog) {
        steps(dialog);
        click(child(dialog, "cmdOK"));
    });
    document.Menus().mnuToolsProfileManager->trigger();
}

// Import from File on the More menu, which a clicked profile offers.
void ImportProfileFile(frmProfileManager& dialog)
{
    auto& profiles = *child<ListView>(dialog, "lvwProfiles");
    QTreeWidgetItem* clinic = profiles.FindItem(std::to_string(kClinic) + "K");
    ASSERT_NE(clinic, nullptr);
    QTest::mouseClick(profiles.viewport(), Qt::LeftButton, {}, profiles.visualItemRect(clinic).center());
    click(child(dialog, "cmdMore"));
    QMenu* menu = dialog.findChild<QMenu*>("popupMenu");
    ASSERT_NE(menu, nullptr);
    menu->findChild<QAction*>("mnuImportFromFile")->trigger();
    menu->hide();
}

TEST_F(DocumentDialogsTest, AnImportedProfileWithoutANameIsNamedAfterItsFileAndItsGlobalOptionsHoldAtOnce)
{
    docAudiogramModule& document = OpenClinic();
    ASSERT_TRUE(document.oPureTone().RightOnLeft());
    // An export of a profile without a name, with the right ear shown on the right.
    const auto other = NewStore();
    other->put_Data(ModuleGlobals::PreferenceStore()->get_Data());
    Variant profile;
    {
        StoreSelectionKeeper unnamed(*other, 0, 3);
        other->ClearSection();
        other->put_Value("PTPanels", std::int32_t{7});
        profile = other->get_SectionData();
    }
    Variant globalOptions;
    {
        StoreSelectionKeeper globals(*other, 100, 0);
        other->put_Value("GENRightOnLeft", false);
        globalOptions = other->get_CategoryData();
    }
    const std::filesystem::path file = platform::machine::root() / "exports" / "Left first.profile";
    WriteFile(file, ProfileExportBytes(profile, globalOptions));
    responder.queue(platform::ui::reply::File{file.string()});
    responder.queue(platform::ui::reply::Button{platform::ui::IDYES});  // the global options too

    RunProfileManager(document, ImportProfileFile);

    EXPECT_FALSE(document.oPureTone().RightOnLeft()) << "the imported orientation waits for a restart";
    EXPECT_FALSE(document.oSpeech().RightOnLeft());
    const MenuControlArray& listed = *document.Menus().mnuProfileList;
    std::vector<std::string> captions;
    for (std::int32_t index = 0; index <= listed.UBound(); ++index)
        if (listed.Exists(index) && listed.Visible(index))
            captions.push_back(listed.Caption(index));
    EXPECT_NE(std::ranges::find(captions, "Left first"), captions.end()) << "the imported profile is not listed";
}

TEST_F(DocumentDialogsTest, ANewProfileStartsFromAnEmptySection)
{
    docAudiogramModule& document = OpenClinic();
    // Section 0 holds keys of a profile without a name.
    {
        StoreSelectionKeeper leftover(*ModuleGlobals::PreferenceStore(), 0, 0);
        ModuleGlobals::PreferenceStore()->put_Value("PTPanels", std::int32_t{7});
    }

    RunProfileManager(document, [](frmProfileManager& dialog) { click(child(dialog, "cmdNew")); });

    const auto stored = UsersStore();
    StoreSelectionKeeper created(*stored, 0, 0);
    EXPECT_EQ(PreferenceText(*stored, "Profile"), UiText(TR_MY_NEW_PROFILE));
    EXPECT_TRUE(stored->get_Value("PTPanels").isNull()) << "the new profile took another's keys";
}

// The roads to the preferences dialog of the document's profile: Tools >
// Profile Options, and Edit in Tools > Profile Manager, which the manager's OK
// or Cancel closes afterwards.
enum class Road { ProfileOptions, ProfileManagerOK, ProfileManagerCancel };

const char* RoadName(Road road)
{
    switch (road) {
    case Road::ProfileOptions: return "Profile Options";
    case Road::ProfileManagerOK: return "Profile Manager > Edit, then OK";
    case Road::ProfileManagerCancel: return "Profile Manager > Edit, then Cancel";
    }
    return "";
}

// Queues the answers that lead to the preferences dialog, before the
// dialog's own answer is queued.
void QueueRoad(Road road, ModalDialogs& dialogs)
{
    if (road == Road::ProfileOptions)
        return;
    dialogs.answer<frmProfileManager>([road](frmProfileManager& manager) {
        // The manager opens with the document's profile selected.
        click(child(manager, "cmdEdit"));
        click(child(manager, road == Road::ProfileManagerOK ? "cmdOK" : "cmdCancel"));
    });
}

void TakeRoad(Road road, docAudiogramModule& document)
{
    (road == Road::ProfileOptions ? document.Menus().mnuPreferences : document.Menus().mnuToolsProfileManager)
        ->trigger();
}

// A test with results in the open audiogram stays on a palette that the
// profile's preferences configure, as on the view's own, whichever road led
// to them.
TEST_F(DocumentDialogsTest, AProfilesPaletteKeepsATestWithResultsInTheOpenAudiogram)
{
    StoreProfiles({{kClinic, "Clinic", true, StandardPalettes()}});
    host.showAction(host.addAction(*session, {.code = 1, .publicData = FullAudiogramData(), .dateCreated = kTodayDay}));
    for (const Road road : {Road::ProfileOptions, Road::ProfileManagerOK}) {
        SCOPED_TRACE(RoadName(road));
        docAudiogramModule& document = OpenDocument();
        ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
        const std::string air = ModuleGlobals::CurvePrefs()->Item("1-1-1-")->Label;
        const auto inUseShown = [this] { return std::ranges::count(ShownTexts(), UiText(TR_TEST_IN_USE)); };
        const auto shownBefore = inUseShown();
        {
            ModalDialogs dialogs;
            QueueRoad(road, dialogs);
            dialogs.answer<frmPreferences>([](frmPreferences& dialog) {
                click(child(dialog, "cmdPalette"));
                click(child(dialog, "cmdOK"));
            });
            dialogs.answer<frmPaletteConfig>([&air](frmPaletteConfig& dialog) {
                PaletteButton* button = nullptr;
                for (PaletteButton* shown : dialog.findChildren<PaletteButton*>())
                    if (shown->isVisible() && shown->Caption() == air)
                        button = shown;
                ASSERT_NE(button, nullptr) << "the palette offers no air-conduction test";
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, button->height() / 2));
                click(child(dialog, "cmdRemove"));
                click(child(dialog, "cmdOK"));
            });
            TakeRoad(road, document);
        }
        EXPECT_EQ(inUseShown(), shownBefore + 1) << "a test with results was taken off";
        const CPaletteItems& items = *document.oPureTone().PaletteItems();
        EXPECT_TRUE(std::ranges::any_of(items, [](const auto& item) {
            return item->CurvePreferences && item->CurvePreferences->Key() == "1-1-1-";
        })) << "the test with results left the view's palette";
        CloseDocument();
    }
}

// A test edited through the palette configuration's More... is stored with
// the user's preferences, as one edited on the view's palette, whatever
// closes the configuration, and whatever closes the dialogs that led to it.
TEST_F(DocumentDialogsTest, ATestEditedThroughThePaletteConfigurationIsStored)
{
    const std::optional<Road> paths[] = {std::nullopt, Road::ProfileOptions, Road::ProfileManagerOK,
                                         Road::ProfileManagerCancel};
    for (std::size_t path = 0; path < std::size(paths); ++path) {
        SCOPED_TRACE(paths[path] ? RoadName(*paths[path]) : "Add/Remove Test");
        docAudiogramModule& document = OpenClinic();
        const std::string label = "Edited " + std::to_string(path);
        const std::string air = ModuleGlobals::CurvePrefs()->Item("1-1-1-")->Label;
        {
            ModalDialogs dialogs;
            if (paths[path]) {
                QueueRoad(*paths[path], dialogs);
                dialogs.answer<frmPreferences>([](frmPreferences& dialog) {
                    click(child(dialog, "cmdPalette"));
                    click(child(dialog, "cmdCancel"));
                });
            }
            dialogs.answer<frmPaletteConfig>([&air](frmPaletteConfig& dialog) {
                ListView& tests = *child<ListView>(dialog, "lvwTests");
                const auto rows = tests.findItems(QString::fromStdString(air), Qt::MatchExactly);
                ASSERT_EQ(rows.size(), 1);
                QTest::mouseClick(tests.viewport(), Qt::LeftButton, {}, tests.visualItemRect(rows[0]).center());
                click(child(dialog, "cmdMore"));
                click(child(dialog, "cmdCancel"));
            });
            dialogs.answer<frmTestProperties>([&label](frmTestProperties& dialog) {
                child<QLineEdit>(dialog, "txtNotation")->setText(QString::fromStdString(label));
                click(child<QPushButton>(dialog, "cmdOK"));
            });
            if (paths[path])
                TakeRoad(*paths[path], document);
            else
                document.Menus().mnuEditAddRemoveTest->trigger();
        }

        EXPECT_EQ(ModuleGlobals::CurvePrefs()->Item("1-1-1-")->Label, label) << "the module's tests lost the edit";
        for (const auto& [where, store] :
             {std::pair{"the user's stored preferences", UsersStore()},
              std::pair{"the module's preference store", ModuleGlobals::PreferenceStore()}}) {
            CCurvePrefs stored;
            stored.LoadFromPreferences(*store);
            ASSERT_TRUE(stored.ItemExist("1-1-1-")) << where;
            EXPECT_EQ(stored.Item("1-1-1-")->Label, label) << "the edited test was not kept in " << where;
        }
        EXPECT_TRUE(ItemsHoldTheModulesTests(*document.oPureTone().PaletteItems()));
        CloseDocument();
    }
}

}  // namespace
}  // namespace brisance

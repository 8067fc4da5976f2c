#include "module/preferences/frmProfileManager.h"

#include "module/core/ListView.h"
#include "module/core/ModulePaths.h"
#include "module/core/StoreSelection.h"
#include "module/core/StoreSnapshot.h"
#include "module/core/TextResources.h"
#include "module/preferences/ProfileExportFile.h"
#include "module/preferences/frmPreferences.h"
#include "module/preferences/tests/DialogTestSupport.h"

#include "platform/runtime/VariantRecord.h"
#include "platform/testing/FileSizeLimit.h"
#include "platform/testing/TemporaryFolder.h"
#include "platform/ui/MessageBox.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
namespace fs = std::filesystem;
namespace runtime = platform::runtime;
namespace ui = platform::ui;
using runtime::Variant;
using Bytes = std::vector<std::uint8_t>;

struct Listed {
    std::string key;
    std::string text;
    bool bold;
    bool operator==(const Listed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Listed& item)
{
    return out << item.key << " \"" << item.text << "\"" << (item.bold ? " bold" : "");
}

constexpr std::int16_t kCurrent = 3;

class frmProfileManagerTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        store = NewStore();
        AddProfile(0, "Standard", true);
        AddProfile(kCurrent, "Clinic", false);
        AddProfile(20, "Last", false);
        AddProfile(21, "Beyond the list", false);
        {
            StoreSelectionKeeper keeper(*store, 0, 0);
            store->put_Value("PTPanels", std::int32_t{5});
            store->put_Category(frmProfileManager::kGlobalOptionsCategory);
            store->put_Value("PTAvg1", std::int32_t{84});
            store->put_Value("GENRightOnLeft", true);
        }
        // Somewhere else than the profiles, to see that the dialog puts the selection back.
        store->put_Category(7);
        store->put_Section(5);
        Open();
    }
    void TearDown() override
    {
        form.reset();
        // A reset's mark stays until the next document's initialisation clears it.
        ModuleGlobals::SetPreferencesReset(false);
        DialogTest::TearDown();
    }

    void Open()
    {
        form = std::make_unique<frmProfileManager>();
        form->Preferences(store);
        form->CurrentProfile(kCurrent);
        form->show();
    }

    void AddProfile(std::int16_t section, const std::string& name, bool isDefault)
    {
        StoreSelectionKeeper keeper(*store, 0, section);
        store->put_Value("Profile", name);
        store->put_Value("DftProfile", isDefault);
    }

    Variant Stored(std::int16_t section, const std::string& key, std::int16_t category = 0)
    {
        StoreSelectionKeeper keeper(*store, category, section);
        return store->get_Value(key);
    }

    Variant SectionData(std::int16_t section)
    {
        StoreSelectionKeeper keeper(*store, 0, section);
        return store->get_SectionData();
    }

    Variant GlobalOptions()
    {
        StoreSelectionKeeper keeper(*store, frmProfileManager::kGlobalOptionsCategory, 0);
        return store->get_CategoryData();
    }

    ListView& List() { return *child<ListView>(*form, "lvwProfiles"); }

    std::vector<Listed> Shown()
    {
        std::vector<Listed> items;
        for (int i = 0; i < List().topLevelItemCount(); ++i) {
            const QTreeWidgetItem& item = *List().topLevelItem(i);
            items.push_back({ListView::Key(item), item.text(0).toStdString(), item.font(0).bold()});
        }
        return items;
    }

    std::string SelectedKey()
    {
        const auto selected = List().selectedItems();
        return selected.isEmpty() ? "" : ListView::Key(*selected.front());
    }

    void Select(const std::string& key)
    {
        QTreeWidgetItem* item = List().FindItem(key);
        ASSERT_NE(item, nullptr) << key << " is not listed";
        List().clearSelection();  // a click on a selected item would start editing its name
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, List().visualItemRect(item).center());
        ASSERT_EQ(SelectedKey(), key);
    }

    void Click(const char* button) { click(child<QPushButton>(*form, button)); }

    // Opens the More menu and chooses the item.
    void Choose(const char* item)
    {
        Click("cmdMore");
        QMenu* menu = form->findChild<QMenu*>("popupMenu");
        ASSERT_NE(menu, nullptr) << "More opened no menu";
        QAction* action = menu->findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
        menu->hide();
    }

    // The open in-place editor of the list, or null.
    QLineEdit* Editor() { return openEditor(List()); }

    // Types over the text of the open label editor and ends the edit with Return.
    void TypeName(const QString& text)
    {
        QLineEdit* editor = Editor();
        ASSERT_NE(editor, nullptr) << "no label editor is open";
        clearText(editor);
        typeText(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        ASSERT_TRUE(platform::testing::processUntil([this] { return !Editor(); }));
    }

    void ExpectSelectionPutBack()
    {
        EXPECT_EQ(store->get_Category(), 7);
        EXPECT_EQ(store->get_Section(), 5);
    }

    static std::string Text(TextResources id) { return ModuleGlobals::UiTextLoader()->LoadResString(id); }

    // The last message box shown.
    const ui::ShownDialog& LastShown()
    {
        static const ui::ShownDialog none;
        return responder.shown().empty() ? none : responder.shown().back();
    }

    const platform::testing::TemporaryFolder programFolder;
    // Nothing a test writes lands in the build output.
    const ProgramFolderForTests programFolderInUse{programFolder.path()};
    const platform::testing::TemporaryFolder files;
    vellum::ComPtr<vellum::IVellumKeyedStore> store;
    std::unique_ptr<frmProfileManager> form;
};

TEST_F(frmProfileManagerTest, ListsTheProfilesOfSections0To20WithTheDefaultBoldAndSuffixed)
{
    EXPECT_EQ(Shown(), (std::vector<Listed>{{"0K", "Standard (Default)", true},
                                            {"3K", "Clinic", false},
                                            {"20K", "Last", false}}));
    EXPECT_EQ(ListView::Tag(*List().FindItem("20K")), "20");
    EXPECT_EQ(SelectedKey(), "3K") << "the profile in use is selected";
    EXPECT_EQ(List().headerItem()->text(0), "Profile Name");
    EXPECT_EQ(form->windowTitle().toStdString(), ModuleGlobals::UiTextLoader()->LoadResString2(TR_PROFILE_MANAGER));
    ExpectSelectionPutBack();

    EXPECT_FALSE(child<QPushButton>(*form, "cmdMore")->isEnabled());
    ASSERT_NO_FATAL_FAILURE(Select("20K"));
    EXPECT_TRUE(child<QPushButton>(*form, "cmdMore")->isEnabled()) << "clicking an item enables More";
    EXPECT_FALSE(child<QPushButton>(*form, "cmdTemp")->isVisible()) << "developer buttons without debug.debug";
    EXPECT_FALSE(child<QPushButton>(*form, "cmdTempExport")->isVisible());
}

TEST_F(frmProfileManagerTest, NewCopyAndRenameStoreTheTypedNames)
{
    Click("cmdNew");
    ASSERT_NE(Editor(), nullptr) << "New starts editing the new profile's name";
    EXPECT_EQ(Editor()->text().toStdString(), Text(TR_MY_NEW_PROFILE));
    EXPECT_EQ(SelectedKey(), "1K") << "the first free section";
    ASSERT_NO_FATAL_FAILURE(TypeName("Paediatric"));
    EXPECT_EQ(Stored(1, "Profile"), Variant("Paediatric"));
    EXPECT_EQ(Stored(1, "DftProfile"), Variant(false));

    ASSERT_NO_FATAL_FAILURE(Select("0K"));
    ASSERT_NO_FATAL_FAILURE(Choose("mnuCopy"));
    ASSERT_NE(Editor(), nullptr) << "Copy starts editing the copy's name";
    EXPECT_EQ(Editor()->text().toStdString(), Text(TR_COPY_OF) + " Standard");
    QTest::keyClick(Editor(), Qt::Key_Return);
    ASSERT_TRUE(platform::testing::processUntil([this] { return !Editor(); }));
    EXPECT_EQ(SelectedKey(), "2K");
    EXPECT_EQ(Stored(2, "PTPanels"), Variant(std::int32_t{5})) << "the source's settings are copied";
    EXPECT_EQ(Stored(2, "Profile"), Variant(Text(TR_COPY_OF) + " Standard"));
    EXPECT_EQ(Stored(2, "DftProfile"), Variant(false));

    ASSERT_NO_FATAL_FAILURE(Select("3K"));
    ASSERT_NO_FATAL_FAILURE(Choose("mnuRename"));
    ASSERT_NO_FATAL_FAILURE(TypeName("Adults"));
    EXPECT_EQ(Stored(kCurrent, "Profile"), Variant("Adults"));
    EXPECT_EQ(Shown(), (std::vector<Listed>{{"0K", "Standard (Default)", true},
                                            {"1K", "Paediatric", false},
                                            {"2K", Text(TR_COPY_OF) + " Standard", false},
                                            {"3K", "Adults", false},
                                            {"20K", "Last", false}}));
    ExpectSelectionPutBack();
}

TEST_F(frmProfileManagerTest, RenamingKeepsTheNameWhenTheTypedOneIsBlankAndNeverStoresTheDefaultsSuffix)
{
    const struct {
        std::int16_t section;
        const char* editorStart;
        QString typed;
        const char* stored;
        Listed shown;
    } cases[] = {
        {kCurrent, "Clinic", "", "Clinic", {"3K", "Clinic", false}},
        {20, "Last", "   ", "Last", {"20K", "Last", false}},
        {0, "Standard", "Basic", "Basic", {"0K", "Basic (Default)", true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown.key);
        ASSERT_NO_FATAL_FAILURE(Select(c.shown.key));
        ASSERT_NO_FATAL_FAILURE(Choose("mnuRename"));
        ASSERT_NE(Editor(), nullptr);
        EXPECT_EQ(Editor()->text().toStdString(), c.editorStart) << "the editor starts from the profile's own name";
        ASSERT_NO_FATAL_FAILURE(TypeName(c.typed));
        EXPECT_EQ(Stored(c.section, "Profile"), Variant(c.stored));
        const QTreeWidgetItem& item = *List().FindItem(c.shown.key);
        EXPECT_EQ((Listed{c.shown.key, item.text(0).toStdString(), item.font(0).bold()}), c.shown);
    }
}

TEST_F(frmProfileManagerTest, WithEveryListedPlaceTakenNewCopyAndImportRefuseAndChangeNothing)
{
    for (std::int16_t section = 0; section <= 20; ++section)
        if (Stored(section, "Profile").isNull())
            AddProfile(section, "Profile " + std::to_string(section), false);
    form->Preferences(store);
    const Variant before = store->get_Data();
    ASSERT_NO_FATAL_FAILURE(Select("0K"));

    Click("cmdNew");
    ASSERT_NO_FATAL_FAILURE(Choose("mnuCopy"));
    ASSERT_NO_FATAL_FAILURE(Choose("mnuImportFromFile"));
    ASSERT_EQ(responder.shown().size(), 3u) << "one message each, and no file dialog";
    ASSERT_EQ(Text(TR_NO_FREE_PROFILE_PLACE), "There is no free place for another profile. Delete a profile first.");
    for (const ui::ShownDialog& shown : responder.shown()) {
        EXPECT_EQ(shown.kind, ui::DialogKind::MessageBox);
        EXPECT_EQ(shown.text, Text(TR_NO_FREE_PROFILE_PLACE));
    }
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(store->get_Data(), before);
    EXPECT_EQ(List().topLevelItemCount(), 21);
}

TEST_F(frmProfileManagerTest, DeleteRemovesAnyProfileButTheOneInUse)
{
    const Variant before = store->get_Data();
    ASSERT_NO_FATAL_FAILURE(Select("3K"));
    ASSERT_NO_FATAL_FAILURE(Choose("mnuDelete"));
    EXPECT_EQ(store->get_Data(), before);
    EXPECT_EQ(Shown().size(), 3u);
    EXPECT_TRUE(responder.shown().empty()) << "without a message";

    ASSERT_NO_FATAL_FAILURE(Select("0K"));
    ASSERT_NO_FATAL_FAILURE(Choose("mnuDelete"));
    EXPECT_TRUE(Stored(0, "Profile").isNull());
    EXPECT_TRUE(Stored(0, "PTPanels").isNull()) << "the whole section goes";
    EXPECT_EQ(Shown(), (std::vector<Listed>{{"3K", "Clinic", false}, {"20K", "Last", false}}));
    ExpectSelectionPutBack();
}

TEST_F(frmProfileManagerTest, SetAsDefaultLeavesExactlyOneDefault)
{
    AddProfile(20, "Last", true);  // a second default
    ASSERT_NO_FATAL_FAILURE(Select("3K"));
    ASSERT_NO_FATAL_FAILURE(Choose("mnuDefault"));
    EXPECT_EQ(Stored(0, "DftProfile"), Variant(false));
    EXPECT_EQ(Stored(kCurrent, "DftProfile"), Variant(true));
    EXPECT_EQ(Stored(20, "DftProfile"), Variant(false));
    EXPECT_TRUE(Stored(1, "DftProfile").isNull()) << "sections without a profile stay empty";
    EXPECT_EQ(Stored(21, "DftProfile"), Variant(false)) << "beyond the list: untouched";
    EXPECT_EQ(Shown(), (std::vector<Listed>{{"0K", "Standard", false},
                                            {"3K", "Clinic (Default)", true},
                                            {"20K", "Last", false}}));
    ExpectSelectionPutBack();
}

TEST_F(frmProfileManagerTest, EditOpensThePreferencesOfTheSelectedProfileOnTheirFirstTab)
{
    ASSERT_NO_FATAL_FAILURE(Select("20K"));
    std::int16_t section = -1;
    int tab = -1;
    QString caption;
    dialogs.answer<frmPreferences>([&](frmPreferences& preferences) {
        section = preferences.Preferences()->get_Section();
        tab = child<QTabBar>(preferences, "tabMain")->currentIndex();
        caption = preferences.windowTitle();
        click(child<QCheckBox>(preferences, "chkPTShowTestData"));
        click(child<QPushButton>(preferences, "cmdOK"));
    });
    Click("cmdEdit");
    EXPECT_EQ(section, 20);
    EXPECT_EQ(tab, 0);
    EXPECT_TRUE(caption.endsWith(" (Last)")) << caption.toStdString();
    EXPECT_EQ(Stored(20, "PTPanels"), Variant(std::int32_t{1}));
    EXPECT_TRUE(Stored(kCurrent, "PTPanels").isNull());
    ExpectSelectionPutBack();

    List().clearSelection();
    Click("cmdEdit");  // nothing to edit: no dialog opens
}

TEST_F(frmProfileManagerTest, OkCancelAndF1)
{
    QTest::keyClick(form.get(), Qt::Key_F1);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].kind, ui::DialogKind::Help);
    EXPECT_EQ(responder.shown()[0].style, 110u);

    Click("cmdOK");
    EXPECT_TRUE(form->OKPressed);
    EXPECT_FALSE(form->isVisible());
    form->show();
    Click("cmdCancel");
    EXPECT_FALSE(form->OKPressed);
    EXPECT_FALSE(form->isVisible());
}

// Export and import.

class ProfileFileTest : public frmProfileManagerTest {
protected:
    fs::path File(const char* name) const { return files.path() / name; }

    // Exports the listed profile, choosing the path in the save dialog and
    // answering the overwrite question when one is given.
    void Export(const std::string& key, const fs::path& chosen, std::optional<int> overwrite = {})
    {
        ASSERT_NO_FATAL_FAILURE(Select(key));
        responder.queue(ui::reply::File{chosen.string()});
        if (overwrite)
            responder.queue(ui::reply::Button{*overwrite});
        ASSERT_NO_FATAL_FAILURE(Choose("mnuExportToFile"));
    }

    // Imports the file, answering the global-options question when one is given.
    void Import(const fs::path& file, std::optional<int> answer = {})
    {
        ASSERT_NO_FATAL_FAILURE(Select("0K"));
        responder.queue(ui::reply::File{file.string()});
        if (answer)
            responder.queue(ui::reply::Button{*answer});
        ASSERT_NO_FATAL_FAILURE(Choose("mnuImportFromFile"));
    }
};

TEST_F(ProfileFileTest, ARoundTripGivesBackTheProfileAndTheGlobalOptions)
{
    const Variant clinic = SectionData(kCurrent);
    const Variant globalOptions = GlobalOptions();
    ASSERT_NO_FATAL_FAILURE(Export("3K", File("clinic")));
    const Bytes exported = ReadFile(File("clinic.profile"));
    ASSERT_FALSE(exported.empty());
    EXPECT_EQ(LastShown().text, Text(TR_EXPORT_COMPLETE));
    EXPECT_EQ(LastShown().style, ui::MB_OK | ui::MB_ICONINFORMATION);
    ExpectSelectionPutBack();

    // Another machine's global options, replaced on Yes.
    {
        StoreSelectionKeeper keeper(*store, frmProfileManager::kGlobalOptionsCategory, 0);
        store->ClearCategory();
        store->put_Value("PTAvg1", std::int32_t{1});
    }
    ASSERT_NO_FATAL_FAILURE(Import(File("clinic.profile"), ui::IDYES));
    EXPECT_EQ(SectionData(1), clinic) << "stored at the first free section";
    EXPECT_EQ(GlobalOptions(), globalOptions);
    EXPECT_EQ(Shown()[1], (Listed{"1K", "Clinic", false}));
    ExpectSelectionPutBack();

    ASSERT_NO_FATAL_FAILURE(Export("1K", File("again.profile")));
    EXPECT_EQ(ReadFile(File("again.profile")), exported);
}

TEST_F(ProfileFileTest, TheSuffixIsAddedUnlessTheNameEndsInItInAnyCase)
{
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {{"x", "x.profile"}, {"y.PROFILE", "y.PROFILE"}, {"z.profile.txt", "z.profile.txt.profile"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        ASSERT_NO_FATAL_FAILURE(Export("0K", File(c.chosen)));
        EXPECT_TRUE(fs::exists(File(c.written)));
    }
    std::vector<fs::path> written;
    for (const auto& entry : fs::directory_iterator(files.path())) written.push_back(entry.path().filename());
    std::ranges::sort(written);
    EXPECT_EQ(written, (std::vector<fs::path>{"x.profile", "y.PROFILE", "z.profile.txt.profile"}));
}

TEST_F(ProfileFileTest, AnExistingFileIsReplacedOnlyOnYesAndOnlyWhenTheNewOneIsWhole)
{
    const Bytes old = {'o', 'l', 'd'};
    WriteFile(File("x.profile"), old);

    // Chosen as "x": the question is about "x.profile", the file to be written.
    ASSERT_NO_FATAL_FAILURE(Export("0K", File("x"), ui::IDNO));
    EXPECT_EQ(LastShown().text, Text(TR_THIS_FILE_ALREADY_EXISTS_DO_YOU_WANT_TO_OVERWRITE_));
    EXPECT_EQ(LastShown().title, Text(TR_CONFIRM_OVERWRITE));
    EXPECT_EQ(ReadFile(File("x.profile")), old);
    EXPECT_FALSE(fs::exists(File("x")));

    // A write that fails part-way.
    {
        StoreSelectionKeeper keeper(*store, 0, 0);
        store->put_Value("Comments", std::string(50000, 'x'));
    }
    {
        const platform::testing::FileSizeLimit limit(4096);
        ASSERT_NO_FATAL_FAILURE(Export("0K", File("x.profile"), ui::IDYES));
    }
    EXPECT_EQ(LastShown().text, Text(TR_EXPORT_FAILED));
    EXPECT_EQ(ReadFile(File("x.profile")), old);

    ASSERT_NO_FATAL_FAILURE(Export("0K", File("x.profile"), ui::IDYES));
    EXPECT_EQ(LastShown().text, Text(TR_EXPORT_COMPLETE));
    EXPECT_EQ(ReadProfileExport(ReadFile(File("x.profile"))).profile, SectionData(0));
}

TEST_F(ProfileFileTest, DamagedFilesGiveTheirMessageAndLeaveTheStoreAsItWas)
{
    const Bytes good = ProfileExportBytes(SectionData(0), GlobalOptions());
    const auto patched = [&](std::size_t at, Bytes patch) {
        Bytes file = good;
        std::ranges::copy(patch, file.begin() + static_cast<std::ptrdiff_t>(at));
        return file;
    };
    const auto records = [&](const Variant& profile, const Variant& globalOptions) {
        Bytes file(good.begin(), good.begin() + 26);
        runtime::writeVariantRecord(file, profile);
        runtime::writeVariantRecord(file, globalOptions);
        return file;
    };
    const std::string notExport = "Import file is not a valid export file";
    const struct {
        const char* name;
        Bytes file;
        std::string message;
    } cases[] = {
        {"wrong header", patched(0, {'X'}), notExport},
        {"version 101", patched(22, {101}), "Import file version is not readable"},
        {"truncated record", Bytes(good.begin(), good.end() - 3), notExport},
        {"element count beyond the file", patched(30, {0xFF, 0xFF, 0xFF, 0x7F}), notExport},
        {"dimension count beyond the file", patched(28, {0xFF, 0x7F}), notExport},
        {"no byte array", records(Variant("Standard"), GlobalOptions()), notExport},
        {"content the store refuses", records(Variant::fromBytes(Bytes{1, 2, 3}), GlobalOptions()), notExport},
        {"global options the store refuses", records(SectionData(0), Variant::fromBytes(Bytes{9, 9})), notExport},
    };
    const Variant before = store->get_Data();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(File("damaged.profile"), c.file);
        ASSERT_NO_FATAL_FAILURE(Import(File("damaged.profile")));
        EXPECT_EQ(LastShown().text, c.message);
        EXPECT_EQ(LastShown().style, ui::MB_OK | ui::MB_ICONHAND);
        EXPECT_EQ(store->get_Data(), before);
        EXPECT_EQ(Shown().size(), 3u);
    }
}

TEST_F(ProfileFileTest, AFileLargerThanAnExportCanBeIsRefusedBeforeItIsReadAndLeavesTheStoreAsItWas)
{
    // A real export followed by a hole: sparse, so the test stays cheap.
    const fs::path file = File("huge.profile");
    WriteFile(file, ProfileExportBytes(SectionData(0), GlobalOptions()));
    fs::resize_file(file, std::uintmax_t{16} << 30);
    const Variant before = store->get_Data();

    ASSERT_NO_FATAL_FAILURE(Import(file));
    EXPECT_NE(LastShown().text.find("too large"), std::string::npos) << LastShown().text;
    EXPECT_NE(LastShown().text.find(file.string()), std::string::npos) << LastShown().text;
    EXPECT_EQ(LastShown().style & ui::MB_ICONHAND, ui::MB_ICONHAND);
    EXPECT_EQ(store->get_Data(), before);
}

TEST_F(ProfileFileTest, TheGlobalOptionsQuestionDecidesWhatIsImportedAndTheProfileIsNeverTheDefault)
{
    ASSERT_NO_FATAL_FAILURE(Export("0K", File("standard.profile")));
    const Variant exportedOptions = GlobalOptions();
    {
        StoreSelectionKeeper keeper(*store, frmProfileManager::kGlobalOptionsCategory, 0);
        store->put_Value("PTAvg1", std::int32_t{1});
    }
    const Variant localOptions = GlobalOptions();
    const Variant before = store->get_Data();

    const struct {
        int answer;
        bool imported;
        Variant globalOptions;
    } cases[] = {
        {ui::IDCANCEL, false, localOptions},
        {ui::IDNO, true, localOptions},
        {ui::IDYES, true, exportedOptions},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        store->put_Data(before);
        form->Preferences(store);
        ASSERT_NO_FATAL_FAILURE(Import(File("standard.profile"), c.answer));
        const ui::ShownDialog& question = LastShown();
        EXPECT_EQ(question.text, Text(TR_THIS_IMPORT_FILE_CONTAINTS_GLOBAL_OPTION_SETTINGS));
        EXPECT_EQ(question.style, ui::MB_YESNOCANCEL | ui::MB_HELP | ui::MB_DEFBUTTON2);
        EXPECT_EQ(GlobalOptions(), c.globalOptions);
        if (!c.imported) {
            EXPECT_EQ(store->get_Data(), before);
            continue;
        }
        EXPECT_EQ(Stored(1, "Profile"), Variant("Standard"));
        EXPECT_EQ(Stored(1, "PTPanels"), Variant(std::int32_t{5}));
        EXPECT_EQ(Stored(1, "DftProfile"), Variant(false)) << "an imported profile is never the default";
        EXPECT_EQ(Shown()[1], (Listed{"1K", "Standard", false}));
        ExpectSelectionPutBack();
    }
}

// Reset to the host's shared default profile.

class ResetTest : public frmProfileManagerTest {
protected:
    void Reset(int answer)
    {
        responder.queue(ui::reply::Button{answer});
        Click("cmdReset_to_ORVEL");
    }

    void ExpectNothingChanged(const Variant& before)
    {
        EXPECT_EQ(LastShown().text, Text(TR_LOCALE_PROFILE_MISSING));
        EXPECT_EQ(LastShown().style, ui::MB_OK | ui::MB_ICONHAND);
        EXPECT_EQ(store->get_Data(), before);
        EXPECT_EQ(Shown().size(), 3u);
        EXPECT_FALSE(ModuleGlobals::PreferencesReset());
    }
};

TEST_F(ResetTest, OkReplacesTheStoreByTheSharedDefaultProfileAndCancelKeepsIt)
{
    const auto shared = NewStore();
    shared->put_Value("Profile", "ORVEL");
    shared->put_Value("DftProfile", true);
    shared->put_Section(4);
    shared->put_Value("Profile", "Second");
    WriteFile(SharedProfileFile(), ProfileRecord(shared->get_Data()));
    const Variant before = store->get_Data();

    Reset(ui::IDCANCEL);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(LastShown().text, Text(TR_RESET_TO_ORVEL_SURE1) + "\r\n\r\n" + Text(TR_RESET_TO_ORVEL_SURE2));
    EXPECT_EQ(LastShown().title, Text(TR_RESET_TO_ORVEL));
    EXPECT_EQ(LastShown().style, ui::MB_OKCANCEL);
    EXPECT_EQ(store->get_Data(), before);
    EXPECT_FALSE(ModuleGlobals::PreferencesReset());

    Reset(ui::IDOK);
    EXPECT_EQ(responder.shown().size(), 2u) << "no message after a reset";
    EXPECT_EQ(store->get_Data(), shared->get_Data());
    EXPECT_EQ(Shown(), (std::vector<Listed>{{"0K", "ORVEL (Default)", true}, {"4K", "Second", false}}));
    EXPECT_TRUE(ModuleGlobals::PreferencesReset());
}

TEST_F(ResetTest, AMissingSharedProfileChangesNothing)
{
    const Variant before = store->get_Data();
    Reset(ui::IDOK);
    ExpectNothingChanged(before);
}

TEST_F(ResetTest, ADamagedSharedProfileChangesNothing)
{
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"a truncated record", {0x11, 0x20, 0x01, 0x00, 0x10, 0, 0, 0, 0, 0, 0, 0, 1, 2}},
        {"content the store refuses", ProfileRecord(Variant::fromBytes(Bytes{1, 2, 3}))},
    };
    const Variant before = store->get_Data();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(SharedProfileFile(), c.file);
        Reset(ui::IDOK);
        ExpectNothingChanged(before);
    }
}

// The developer buttons.

TEST_F(frmProfileManagerTest, TheDeveloperExportWritesTheWholeStoreIntoTheProgramFolder)
{
    WriteFile(programFolder.path() / "debug.debug", {});
    fs::create_directories(programFolder.path() / "Data");
    Open();
    ASSERT_TRUE(child<QPushButton>(*form, "cmdTemp")->isVisible());
    ASSERT_TRUE(child<QPushButton>(*form, "cmdTempExport")->isVisible());

    Click("cmdTempExport");
    EXPECT_TRUE(responder.shown().empty());
    EXPECT_EQ(ReadStoreSnapshot((programFolder.path() / "Data" / "New Standard Profile.dat").string()),
              store->get_Data());
    EXPECT_FALSE(fs::exists(fs::path(BRISANCE_PROGRAM_DIR) / "Data" / "New Standard Profile.dat"));

    AddProfile(9, "Added behind the list's back", false);
    Click("cmdTemp");
    EXPECT_EQ(Shown()[2], (Listed{"9K", "Added behind the list's back", false}));
}

}  // namespace
}  // namespace brisance

#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/ModulePaths.h"
#include "module/core/TextResources.h"
#include "module/document/KeyedStatusBar.h"
#include "module/document/KeyedTabStrip.h"
#include "module/panels/INotes.h"
#include "module/views/CPureTone.h"

#include "platform/testing/TemporaryFolder.h"

#include <QMenu>
#include <QTest>

#include <filesystem>
#include <optional>

namespace brisance {
namespace {

namespace fs = std::filesystem;

const fs::path kBuiltLanguages = fs::path(BRISANCE_PROGRAM_DIR) / "Language Resources";

// A program folder of its own, whose language folder holds copies of the
// named built libraries.
class DocumentLanguageTest : public testing::DocumentTest {
protected:
    void UseLanguages(std::initializer_list<std::pair<const char*, const char*>> copies)
    {
        fs::create_directories(LanguageFolder());
        for (const auto& [from, to] : copies)
            fs::copy_file(kBuiltLanguages / from, LanguageFolder() / to);
        programFolderInUse.emplace(programFolder.path());
    }

    fs::path LanguageFolder() const { return programFolder.path() / "Language Resources"; }

    static std::string TextOf(const char* library, std::int32_t id)
    {
        CLangLoader loader;
        EXPECT_TRUE(loader.OpenResourceLibrary((kBuiltLanguages / library).string()));
        return loader.LoadResString(id);
    }

    // Clicks the language item of this file in the language menu, as a user does.
    void ClickLanguage(docAudiogramModule& document, const std::string& filename)
    {
        MenuControlArray& items = *document.Menus().mnuLanguage;
        QMenu& menu = *document.Menus().mnuToolsSwitchLanguage;
        for (std::int32_t index = 0; index <= items.UBound(); ++index) {
            if (items.Tag(index) != filename)
                continue;
            menu.popup(QPoint(0, 0));
            QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(&items.Action(index)).center());
            return;
        }
        ADD_FAILURE() << "no language item for " << filename;
    }

    static std::string CheckedLanguage(docAudiogramModule& document)
    {
        MenuControlArray& items = *document.Menus().mnuLanguage;
        for (std::int32_t index = 0; index <= items.UBound(); ++index)
            if (items.Exists(index) && items.Checked(index))
                return items.Tag(index);
        return {};
    }

    platform::testing::TemporaryFolder programFolder;
    std::optional<ProgramFolderForTests> programFolderInUse;
};

TEST_F(DocumentLanguageTest, AnEmptyLanguageFolderGivesTheTwoMessagesAndEmptyTexts)
{
    UseLanguages({});
    SelectClientWithSession();
    docAudiogramModule& document = OpenDocument();

    const std::string message = GetModulePaths().languageFolder + ".so is not found!";
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{message, message}));
    for (const auto& shown : responder.shown()) {
        EXPECT_EQ(shown.style, platform::ui::MB_OK | platform::ui::MB_ICONSTOP);
        EXPECT_EQ(shown.title, "Tessmark");
    }
    EXPECT_EQ(document.tabMain().Caption(0), "");
    EXPECT_EQ(document.sbrMain().PanelText("CLIENT"), "Ann Smith");
    EXPECT_FALSE(document.Menus().mnuLanguage->Visible(0)) << "no language is offered";
}

TEST_F(DocumentLanguageTest, TwoCopiesDifferingOnlyInLetterCaseGiveOneLanguage)
{
    UseLanguages({{"BrisanceENU.so", "BrisanceENU.so"}, {"BrisanceENU.so", "brisanceenu.so"}});
    SelectClientWithSession();
    docAudiogramModule& document = OpenDocument();

    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
    EXPECT_EQ(document.Languages().Count(), 1);
    EXPECT_FALSE(document.Menus().mnuLanguage->Exists(1));
}

TEST_F(DocumentLanguageTest, TheHostsLanguageChoosesTheLibrary)
{
    UseLanguages({{"BrisanceENU.so", "BrisanceENU.so"}, {"BrisanceDEU.so", "BrisanceDEU.so"}});
    host.setLanguage(1031);
    SelectClientWithSession();
    docAudiogramModule& document = OpenDocument();

    EXPECT_EQ(CheckedLanguage(document), "BrisanceDEU.so");
    EXPECT_EQ(document.tabMain().Caption(0), TextOf("BrisanceDEU.so", TR_PURETONE));
    EXPECT_NE(TextOf("BrisanceDEU.so", TR_PURETONE), TextOf("BrisanceENU.so", TR_PURETONE));
}

TEST_F(DocumentLanguageTest, ChoosingGermanTurnsTheViewsGermanAndLeavesTheMenus)
{
    UseLanguages({{"BrisanceENU.so", "BrisanceENU.so"}, {"BrisanceDEU.so", "BrisanceDEU.so"}});
    host.setLanguage(1033);
    SelectClientWithSession();
    docAudiogramModule& document = OpenDocument();
    const std::string dateLabel = document.sbrMain().PanelText("DATE");
    const std::string germanCaption = document.Menus().mnuLanguage->Caption(1);

    ClickLanguage(document, "BrisanceDEU.so");

    EXPECT_EQ(CheckedLanguage(document), "BrisanceDEU.so");
    EXPECT_EQ(document.tabMain().Caption(1), TextOf("BrisanceDEU.so", TR_SPEECH));
    INotes& notes = *document.oPureTone().Notes();
    EXPECT_EQ(notes.Caption(), TextOf("BrisanceDEU.so", TR_NOTES));
    EXPECT_EQ(notes.GetNoteTypeLabel(3), TextOf("BrisanceDEU.so", TR_TEST_RELIABILITY));
    EXPECT_EQ(document.Menus().mnuLanguage->Caption(1), germanCaption) << "menus keep their language";
    EXPECT_EQ(document.sbrMain().PanelText("DATE"), dateLabel);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentLanguageTest, ALibraryThatFailsOnASwitchKeepsTheOldTexts)
{
    UseLanguages({{"BrisanceENU.so", "BrisanceENU.so"}, {"BrisanceDEU.so", "BrisanceDEU.so"}});
    host.setLanguage(1033);
    SelectClientWithSession();
    docAudiogramModule& document = OpenDocument();
    fs::remove(LanguageFolder() / "BrisanceDEU.so");

    ClickLanguage(document, "BrisanceDEU.so");

    EXPECT_EQ(ShownTexts(),
              std::vector<std::string>{GetModulePaths().languageFolder + "BrisanceDEU.so.so is not found!"});
    EXPECT_EQ(CheckedLanguage(document), "BrisanceENU.so");
    EXPECT_EQ(document.tabMain().Caption(1), TextOf("BrisanceENU.so", TR_SPEECH));
    EXPECT_EQ(document.oPureTone().Notes()->Caption(), TextOf("BrisanceENU.so", TR_NOTES));
}

}  // namespace
}  // namespace brisance

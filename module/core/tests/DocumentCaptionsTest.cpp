#include "module/core/tests/DocumentProfileSupport.h"

#include "module/core/DocumentIcons.h"
#include "module/core/KeyedTabStrip.h"
#include "module/core/KeyedToolBar.h"
#include "module/core/TextResources.h"
#include "module/views/CPureTone.h"

#include <QAction>
#include <QMenu>

#include <set>

namespace brisance {
namespace {

using namespace testing;

constexpr const char* kLanguageFolder = BRISANCE_PROGRAM_DIR "/Language Resources/";

// The text of the library, with its accelerator marks unless withoutMarks.
std::string LibraryText(const char* library, std::int32_t id, bool withoutMarks = false)
{
    CLangLoader texts;
    EXPECT_TRUE(texts.OpenResourceLibrary(std::string(kLanguageFolder) + library));
    return withoutMarks ? texts.LoadResString2(id) : texts.LoadResString(id);
}

// Every item of the menus that takes its caption from the captions' table:
// not a separator, not an element of an array, not the Audiometer menu.
std::vector<QAction*> CaptionedItems(DocumentMenus& m)
{
    std::set<QAction*> skipped{m.mnuAudiometerMain->menuAction()};
    for (MenuControlArray* array : {m.mnuFilePastAction, m.mnuShowHideTest, m.mnuViewPrevAction, m.mnuSonvaleDevice,
                                    m.mnuProfileList, m.mnuLanguage})
        for (std::int32_t index = 0; index <= array->UBound(); ++index)
            if (array->Exists(index))
                skipped.insert(&array->Action(index));
    std::vector<QAction*> items;
    const auto topMenus = m.TopMenus();
    std::vector<QMenu*> menus(topMenus.begin(), topMenus.end());
    while (!menus.empty()) {
        QMenu* menu = menus.back();
        menus.pop_back();
        if (!skipped.contains(menu->menuAction()))
            items.push_back(menu->menuAction());
        for (QAction* item : menu->actions()) {
            if (item->menu())
                menus.push_back(item->menu());
            else if (!item->isSeparator() && !skipped.contains(item))
                items.push_back(item);
        }
    }
    return items;
}

class DocumentCaptionsTest : public DocumentProfileTest {};

TEST_F(DocumentCaptionsTest, EveryMenuCaptionAndToolTipComesFromTheLibrary)
{
    struct Case {
        std::int32_t languageId;
        const char* library;
    };
    for (const Case& c : {Case{1033, "BrisanceENU.so"}, Case{1031, "BrisanceDEU.so"}}) {
        SCOPED_TRACE(c.library);
        host.setLanguage(c.languageId);
        StoreProfiles({{0, "Captions", true, {}}});
        docAudiogramModule& document = OpenDocument();
        const std::vector<QAction*> items = CaptionedItems(document.Menus());
        ASSERT_GT(items.size(), 40u);
        // Every item marked, so that one the captions leave out shows.
        for (QAction* item : items)
            item->setText(QStringLiteral("placeholder"));
        for (const DocumentIcon& button : DocumentToolbarButtons())
            document.tbrMain().ToolTipText(button.key, "");
        document.LoadStringsIntoDisplay();

        for (QAction* item : items) {
            const std::string caption = item->text().toStdString();
            EXPECT_FALSE(caption.empty() || caption == "placeholder") << item->objectName().toStdString();
        }
        EXPECT_EQ(document.Menus().mnuHelp->title().toStdString(), "&Help");
        EXPECT_EQ(document.Menus().mnuFilePrint->text().toStdString(), LibraryText(c.library, TR_PRINT) + "...");
        EXPECT_EQ(document.Menus().mnuEditUndo->text().toStdString(), LibraryText(c.library, TR_UNDO));

        for (const DocumentIcon& button : DocumentToolbarButtons())
            EXPECT_FALSE(document.tbrMain().ToolTipText(button.key).empty()) << button.key;
        EXPECT_EQ(document.tbrMain().ToolTipText("Undo"), LibraryText(c.library, TR_UNDO, true));
        CloseDocument();
    }
}

TEST_F(DocumentCaptionsTest, ZoomTipsNameThePlaceOfTheChartAndTheGraphItemNamesTheOtherMode)
{
    for (const bool rightOnLeft : {false, true}) {
        SCOPED_TRACE(rightOnLeft ? "right on left" : "left on left");
        host.setLanguage(1033);
        StoreProfiles({{0, "Single", true, {{"PTOneGraph", true}}}}, platform::runtime::Variant(rightOnLeft));
        docAudiogramModule& document = OpenDocument();
        document.LoadStringsIntoDisplay();

        EXPECT_EQ(document.tbrMain().ToolTipText("ZoomLeft"), UiText(rightOnLeft ? TR_ZOOM_RIGHT : TR_ZOOM_LEFT));
        EXPECT_EQ(document.tbrMain().ToolTipText("ZoomRight"), UiText(rightOnLeft ? TR_ZOOM_LEFT : TR_ZOOM_RIGHT));
        EXPECT_EQ(document.Menus().mnuViewGraphMode->text().toStdString(), UiText(TR_SEPARATE_RIGHTLEFT_GRAPHS));
        CloseDocument();
    }
}

TEST_F(DocumentCaptionsTest, ALanguageSwitchChangesTheTabsButNotTheMenus)
{
    host.setLanguage(1033);
    StoreProfiles({{0, "Switch", true, {}}});
    docAudiogramModule& document = OpenDocument();
    const std::string fileMenu = document.Menus().mnuFile->title().toStdString();
    MenuControlArray& languages = *document.Menus().mnuLanguage;
    std::int32_t german = -1;
    for (std::int32_t index = 0; index <= languages.UBound(); ++index)
        if (languages.Exists(index) && languages.Tag(index) == "BrisanceDEU.so")
            german = index;
    ASSERT_GE(german, 0);

    languages.Action(german).trigger();

    EXPECT_EQ(document.tabMain().Caption(0), LibraryText("BrisanceDEU.so", TR_PURETONE));
    EXPECT_NE(document.tabMain().Caption(0), LibraryText("BrisanceENU.so", TR_PURETONE));
    EXPECT_EQ(document.Menus().mnuFile->title().toStdString(), fileMenu);
    EXPECT_EQ(fileMenu, LibraryText("BrisanceENU.so", TR_MENU_AUDIOGRAM));
}

}  // namespace
}  // namespace brisance

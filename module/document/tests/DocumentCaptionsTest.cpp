#include "module/document/tests/DocumentProfileSupport.h"

#include "module/core/TextResources.h"
#include "module/document/DocumentIcons.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
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

// The item of the menus with this name.
QAction* ItemNamed(DocumentMenus& m, const char* name)
{
    for (QAction* item : CaptionedItems(m))
        if (item->objectName() == QLatin1String(name))
            return item;
    ADD_FAILURE() << "no menu item " << name;
    return nullptr;
}

// Each captioned item's text, with "..." after the items that open a dialog.
struct Caption {
    const char* item;
    std::int32_t id;
    bool opensDialog = false;
};
const Caption kCaptions[] = {
    {"mnuFile", TR_MENU_AUDIOGRAM},
    {"mnuFileNewAction", TR_NEW_AUDIOGRAM},
    {"mnuFileSave", TR_SAVE},
    {"mnuFileProperties", TR_PROPERTIES},
    {"mnuFilePrint", TR_PRINT, true},
    {"mnuReportComments", TR_REPORT_COMMENTS},
    {"mnuEdit", TR_EDIT},
    {"mnuEditUndo", TR_UNDO},
    {"mnuEditDate", TR_DATE_OF_EVALUATION},
    {"mnuEditTestConditions", TR_TEST_PROPERTIES},
    {"mnuEditCopyEar", TR_COPY_TO_OPPOSITE_EAR},
    {"mnuEditAddRemoveTest", TR_ADDREMOVE_TEST},
    {"mnuTools", TR_TOOLS},
    {"mnuGeneralOptions", TR_GLOBAL_OPTIONS, true},
    {"mnuToolsProfileManager", TR_PROFILE_MANAGER, true},
    {"mnuPreferences", TR_PROFILE_OPTIONS, true},
    {"mnuAudiometers", TR_CALIBRATION_DATES, true},
    {"mnuToolsSonvale", TR_SETUP_AUDIOMETERS, true},
    {"mnuToolsChangeProfile", TR_CHANGE_PROFILE},
    {"mnuToolsSwitchLanguage", TR_SWITCH_LANGUAGE},
    {"mnuView", TR_VIEW},
    {"mnuViewTableViewer", TR_TABLE_VIEWER},
    {"mnuViewIpsi", TR_IPSILATERAL_RELFEXES},
    {"mnuViewContra", TR_CONTALATERAL_REFLEXES},
    {"mnuViewTymp", TR_TYMPANOMETRY},
    {"mnuViewNotes", TR_NOTES},
    {"mnuViewAverage", TR_PTA},
    {"mnuViewGraphMode", TR_SINGLE_GRAPH},  // one chart per ear: it offers the other mode
    {"mnuViewNormal", TR_NORMAL},
    {"mnuViewZoomRight", TR_ZOOM_RIGHT},
    {"mnuViewZoomLeft", TR_ZOOM_LEFT},
    {"mnuViewRestoreCurrentProfile", TR_RESTORE_CURRENT_PROFILE},
    {"mnuShowHideTestMain", TR_SHOWHIDE_TESTS},
    {"mnuUnderlay", TR_SHOWHIDE_UNDERLAYS},
    {"mnuViewShowHidePanel", TR_SHOWHIDE_PANELS},
    {"mnuShowHidePrevAction", TR_SHOWHIDE_PREVIOUS_ACTION},
    {"mnuHelpTopics", TR_HELPTOPICS},
};

// Each button's tool tip, some without their accelerator marks.
struct ToolTip {
    const char* key;
    std::int32_t id;
    bool withoutMarks = false;
};
const ToolTip kToolTips[] = {
    {"New", TR_NEW_AUDIOGRAM, true},
    {"Save", TR_SAVE_AUDIOGRAM, true},
    {"Print", TR_PRINT},
    {"Undo", TR_UNDO, true},
    {"TestConditions", TR_TEST_PROPERTIES, true},
    {"ZoomNormal", TR_NO_ZOOM},
    {"ZoomLeft", TR_ZOOM_RIGHT},  // the right ear on the left: its chart stands on the right
    {"ZoomRight", TR_ZOOM_LEFT},
    {"SingleGraph", TR_VIEW_IN_SINGLE_GRAPH_MODE},
    {"DualGraph", TR_VIEW_IN_DUAL_GRAPH_MODE},
    {"AddRemoveTest", TR_ADDREMOVE_TEST},
    {"Help", TR_HELPTOPICS},
};

class DocumentCaptionsTest : public DocumentProfileTest {};

TEST_F(DocumentCaptionsTest, EachMenuCaptionAndToolTipIsTheTextOfItsOwnId)
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
        DocumentMenus& menus = document.Menus();
        ASSERT_EQ(document.oPureTone().Mode(), 1);
        ASSERT_TRUE(document.oPureTone().RightOnLeft());
        const std::vector<QAction*> items = CaptionedItems(menus);
        // Every item marked, so that one the captions leave out shows.
        for (QAction* item : items)
            item->setText(QStringLiteral("placeholder"));
        for (const DocumentIcon& button : DocumentToolbarButtons())
            document.tbrMain().ToolTipText(button.key, "");
        document.LoadStringsIntoDisplay();

        for (QAction* item : items)
            EXPECT_NE(item->text().toStdString(), "placeholder") << item->objectName().toStdString();
        for (const Caption& caption : kCaptions) {
            if (QAction* item = ItemNamed(menus, caption.item)) {
                EXPECT_EQ(item->text().toStdString(),
                          LibraryText(c.library, caption.id) + (caption.opensDialog ? "..." : ""))
                    << caption.item;
            }
        }
        const std::int32_t underlays[] = {TR_SEVERITY_OF_LOSS, TR_SPEECH_SPECTRUM, TR_AUDIBILITY_INDEX_DOTS};
        for (std::int32_t index = 0; index < 3; ++index)
            EXPECT_EQ(menus.mnuViewUnderlay->Caption(index), LibraryText(c.library, underlays[index])) << index;
        EXPECT_EQ(menus.mnuHelp->title().toStdString(), "&Help");

        for (const ToolTip& tip : kToolTips)
            EXPECT_EQ(document.tbrMain().ToolTipText(tip.key), LibraryText(c.library, tip.id, tip.withoutMarks))
                << tip.key;
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

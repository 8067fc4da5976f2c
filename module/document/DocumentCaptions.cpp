#include "module/document/DocumentCaptions.h"

#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "module/document/DocumentMenus.h"
#include "module/document/KeyedToolBar.h"

#include <QAction>
#include <QMenu>

#include <initializer_list>
#include <string>

namespace brisance {

namespace {

struct MenuCaption {
    QAction* item;
    std::int32_t textId;
    // Items that open a dialog say so.
    bool opensDialog = false;
};

struct ToolTip {
    const char* key;
    std::int32_t textId;
    bool withoutAccelerators = false;
};

}  // namespace

void LoadMenuCaptions(DocumentMenus& m, const CLangLoader& texts, std::int32_t pureToneMode)
{
    const std::initializer_list<MenuCaption> captions{
        {m.mnuFile->menuAction(), TR_MENU_AUDIOGRAM},
        {m.mnuFileNewAction, TR_NEW_AUDIOGRAM},
        {m.mnuFileSave, TR_SAVE},
        {m.mnuFileProperties, TR_PROPERTIES},
        {m.mnuFilePrint, TR_PRINT, true},
        {m.mnuReportComments, TR_REPORT_COMMENTS},
        {m.mnuEdit->menuAction(), TR_EDIT},
        {m.mnuEditUndo, TR_UNDO},
        {m.mnuEditDate, TR_DATE_OF_EVALUATION},
        {m.mnuEditTestConditions, TR_TEST_PROPERTIES},
        {m.mnuEditCopyEar, TR_COPY_TO_OPPOSITE_EAR},
        {m.mnuEditAddRemoveTest, TR_ADDREMOVE_TEST},
        {m.mnuTools->menuAction(), TR_TOOLS},
        {m.mnuGeneralOptions, TR_GLOBAL_OPTIONS, true},
        {m.mnuToolsProfileManager, TR_PROFILE_MANAGER, true},
        {m.mnuPreferences, TR_PROFILE_OPTIONS, true},
        {m.mnuAudiometers, TR_CALIBRATION_DATES, true},
        {m.mnuToolsSonvale, TR_SETUP_AUDIOMETERS, true},
        {m.mnuToolsChangeProfile->menuAction(), TR_CHANGE_PROFILE},
        {m.mnuToolsSwitchLanguage->menuAction(), TR_SWITCH_LANGUAGE},
        {m.mnuView->menuAction(), TR_VIEW},
        {m.mnuViewTableViewer, TR_TABLE_VIEWER},
        {m.mnuViewIpsi, TR_IPSILATERAL_RELFEXES},
        {m.mnuViewContra, TR_CONTALATERAL_REFLEXES},
        {m.mnuViewTymp, TR_TYMPANOMETRY},
        {m.mnuViewNotes, TR_NOTES},
        {m.mnuViewAverage, TR_PTA},
        {&m.mnuViewUnderlay->Action(0), TR_SEVERITY_OF_LOSS},
        {&m.mnuViewUnderlay->Action(1), TR_SPEECH_SPECTRUM},
        {&m.mnuViewUnderlay->Action(2), TR_AUDIBILITY_INDEX_DOTS},
        {m.mnuViewGraphMode, pureToneMode == 1 ? TR_SINGLE_GRAPH : TR_SEPARATE_RIGHTLEFT_GRAPHS},
        {m.mnuViewNormal, TR_NORMAL},
        {m.mnuViewZoomRight, TR_ZOOM_RIGHT},
        {m.mnuViewZoomLeft, TR_ZOOM_LEFT},
        {m.mnuViewRestoreCurrentProfile, TR_RESTORE_CURRENT_PROFILE},
        {m.mnuShowHideTestMain->menuAction(), TR_SHOWHIDE_TESTS},
        {m.mnuUnderlay->menuAction(), TR_SHOWHIDE_UNDERLAYS},
        {m.mnuViewShowHidePanel->menuAction(), TR_SHOWHIDE_PANELS},
        {m.mnuShowHidePrevAction->menuAction(), TR_SHOWHIDE_PREVIOUS_ACTION},
    };
    for (const MenuCaption& caption : captions)
        caption.item->setText(
            QString::fromStdString(texts.LoadResString(caption.textId) + (caption.opensDialog ? "..." : "")));
    m.mnuHelp->menuAction()->setText(QStringLiteral("&Help"));
    m.mnuHelpTopics->setText(QString::fromStdString(texts.LoadResString(TR_HELPTOPICS)));
}

void LoadToolTips(KeyedToolBar& toolbar, const CLangLoader& texts, bool rightOnLeft)
{
    const std::initializer_list<ToolTip> tips{
        {"New", TR_NEW_AUDIOGRAM, true},
        {"Save", TR_SAVE_AUDIOGRAM, true},
        {"Print", TR_PRINT},
        {"Undo", TR_UNDO, true},
        {"TestConditions", TR_TEST_PROPERTIES, true},
        {"ZoomNormal", TR_NO_ZOOM},
        {"ZoomLeft", rightOnLeft ? TR_ZOOM_RIGHT : TR_ZOOM_LEFT},
        {"ZoomRight", rightOnLeft ? TR_ZOOM_LEFT : TR_ZOOM_RIGHT},
        {"SingleGraph", TR_VIEW_IN_SINGLE_GRAPH_MODE},
        {"DualGraph", TR_VIEW_IN_DUAL_GRAPH_MODE},
        {"AddRemoveTest", TR_ADDREMOVE_TEST},
        {"Help", TR_HELPTOPICS},
    };
    for (const ToolTip& tip : tips)
        toolbar.ToolTipText(tip.key, tip.withoutAccelerators ? texts.LoadResString2(tip.textId)
                                                             : texts.LoadResString(tip.textId));
}

}  // namespace brisance

#pragma once
// The six menus of the audiogram document with every item, in their order:
// File, Edit, View, Audiometer, Tools and Help. The captions given here are
// placeholders until the language's captions are loaded; the arrays' elements
// get theirs from the routines that fill them.
//
// Separators are items named ...Line...; submenus are QMenus whose menuAction
// shows, hides, enables and captions them.

#include "module/document/MenuControlArray.h"

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace brisance {

struct DocumentMenus {
    // The menus belong to owner and go with it.
    explicit DocumentMenus(QWidget& owner);

    QMenu* mnuFile;
    QAction* mnuFileNewAction;
    QAction* mnuFileLine0;
    QAction* mnuFileSave;
    QAction* mnuFileProperties;
    QAction* mnuFileLine1;
    QAction* mnuReportComments;
    QAction* mnuFilePrint;
    QAction* mnuFileLine2;
    MenuControlArray* mnuFilePastAction;

    QMenu* mnuEdit;
    QAction* mnuEditUndo;
    QAction* mnuEditLine;
    QAction* mnuEditDate;
    QAction* mnuEditLine3;
    QAction* mnuEditTestConditions;
    QAction* mnuEditLine4;
    QAction* mnuEditAddRemoveTest;
    QAction* mnuEditLine5;
    QAction* mnuEditCopyEar;

    QMenu* mnuView;
    QAction* mnuViewGraphMode;
    QAction* mnuViewLine2;
    QAction* mnuViewNormal;
    QAction* mnuViewZoomRight;
    QAction* mnuViewZoomLeft;
    QAction* mnuViewLine1;
    QAction* mnuViewRestoreCurrentProfile;
    QAction* mnuViewLine;
    QMenu* mnuShowHideTestMain;
    MenuControlArray* mnuShowHideTest;
    QMenu* mnuUnderlay;
    // Elements 0 severity of loss, 1 speech spectrum, 2 audibility index.
    MenuControlArray* mnuViewUnderlay;
    QMenu* mnuShowHidePrevAction;
    MenuControlArray* mnuViewPrevAction;
    QMenu* mnuViewShowHidePanel;
    QAction* mnuViewTableViewer;
    QAction* mnuViewIpsi;
    QAction* mnuViewContra;
    QAction* mnuViewTymp;
    QAction* mnuViewNotes;
    QAction* mnuViewAverage;

    QMenu* mnuAudiometerMain;
    MenuControlArray* mnuSonvaleDevice;

    QMenu* mnuTools;
    QAction* mnuGeneralOptions;
    QAction* mnuToolsLine2;
    QAction* mnuToolsProfileManager;
    QAction* mnuPreferences;
    QAction* mnuAudiometers;
    QAction* mnuToolsSonvale;
    QAction* mnuToolsLine0;
    QMenu* mnuToolsChangeProfile;
    MenuControlArray* mnuProfileList;
    QAction* mnuToolsLine1;
    QMenu* mnuToolsSwitchLanguage;
    MenuControlArray* mnuLanguage;

    QMenu* mnuHelp;
    QAction* mnuHelpTopics;

    // The top-level menus in their order on the menu bar.
    std::array<QMenu*, 6> TopMenus() const
    {
        return {mnuFile, mnuEdit, mnuView, mnuAudiometerMain, mnuTools, mnuHelp};
    }
};

}  // namespace brisance

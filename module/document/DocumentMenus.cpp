#include "module/document/DocumentMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace brisance {

namespace {

QMenu* NewMenu(QWidget& owner, const char* name, const char* caption)
{
    auto* menu = new QMenu(QString::fromLatin1(caption), &owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* NewSubmenu(QMenu& parent, const char* name, const char* caption)
{
    QMenu* menu = parent.addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* NewItem(QMenu& menu, const char* name, const char* caption)
{
    QAction* item = menu.addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QAction* NewSeparator(QMenu& menu, const char* name)
{
    QAction* item = menu.addSeparator();
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QAction* Ticked(QAction* item)
{
    item->setCheckable(true);
    item->setChecked(true);
    return item;
}

QAction* Tickable(QAction* item)
{
    item->setCheckable(true);
    return item;
}

QAction* Hidden(QAction* item)
{
    item->setVisible(false);
    return item;
}

QAction* Disabled(QAction* item)
{
    item->setEnabled(false);
    return item;
}

QAction* WithShortcut(QAction* item, QKeySequence::StandardKey key)
{
    item->setShortcut(QKeySequence(key));
    return item;
}

MenuControlArray* NewArray(QMenu& menu, const char* name)
{
    auto* array = new MenuControlArray(menu);
    array->setObjectName(QString::fromLatin1(name));
    array->Action(0).setObjectName(QString::fromLatin1(name));
    array->Action(0).setCheckable(true);
    return array;
}

}  // namespace

DocumentMenus::DocumentMenus(QWidget& owner)
{
    mnuFile = NewMenu(owner, "mnuFile", "&Audiogram");
    mnuFileNewAction = WithShortcut(NewItem(*mnuFile, "mnuFileNewAction", "&New"), QKeySequence::New);
    mnuFileLine0 = NewSeparator(*mnuFile, "mnuFileLine0");
    mnuFileSave = WithShortcut(NewItem(*mnuFile, "mnuFileSave", "&Save"), QKeySequence::Save);
    mnuFileProperties = NewItem(*mnuFile, "mnuFileProperties", "P&roperties");
    mnuFileLine1 = NewSeparator(*mnuFile, "mnuFileLine1");
    mnuReportComments = NewItem(*mnuFile, "mnuReportComments", "Report &Comments");
    mnuFilePrint = NewItem(*mnuFile, "mnuFilePrint", "&Print...");
    mnuFileLine2 = Hidden(NewSeparator(*mnuFile, "mnuFileLine2"));
    mnuFilePastAction = NewArray(*mnuFile, "mnuFilePastAction");
    mnuFilePastAction->Visible(0, false);

    mnuEdit = NewMenu(owner, "mnuEdit", "&Edit");
    mnuEditUndo = Disabled(WithShortcut(NewItem(*mnuEdit, "mnuEditUndo", "&Undo"), QKeySequence::Undo));
    mnuEditLine = NewSeparator(*mnuEdit, "mnuEditLine");
    mnuEditDate = NewItem(*mnuEdit, "mnuEditDate", "&Date of Evaluation");
    mnuEditLine3 = NewSeparator(*mnuEdit, "mnuEditLine3");
    mnuEditTestConditions = NewItem(*mnuEdit, "mnuEditTestConditions", "&Test Properties");
    mnuEditLine4 = NewSeparator(*mnuEdit, "mnuEditLine4");
    mnuEditAddRemoveTest = NewItem(*mnuEdit, "mnuEditAddRemoveTest", "&Add/Remove Test");
    mnuEditLine5 = NewSeparator(*mnuEdit, "mnuEditLine5");
    mnuEditCopyEar = Disabled(NewItem(*mnuEdit, "mnuEditCopyEar", "&Copy to Opposite Ear"));

    mnuView = NewMenu(owner, "mnuView", "&View");
    mnuViewGraphMode = NewItem(*mnuView, "mnuViewGraphMode", "&Single Graph");
    mnuViewLine2 = NewSeparator(*mnuView, "mnuViewLine2");
    mnuViewNormal = NewItem(*mnuView, "mnuViewNormal", "&Normal");
    mnuViewZoomRight = NewItem(*mnuView, "mnuViewZoomRight", "Zoom &Right");
    mnuViewZoomLeft = NewItem(*mnuView, "mnuViewZoomLeft", "Zoom &Left");
    mnuViewLine1 = Hidden(NewSeparator(*mnuView, "mnuViewLine1"));
    mnuViewRestoreCurrentProfile = Hidden(NewItem(*mnuView, "mnuViewRestoreCurrentProfile", "Restore Current Profile"));
    mnuViewLine = NewSeparator(*mnuView, "mnuViewLine");
    mnuShowHideTestMain = NewSubmenu(*mnuView, "mnuShowHideTestMain", "Show/Hide &Tests");
    mnuShowHideTest = NewArray(*mnuShowHideTestMain, "mnuShowHideTest");
    mnuUnderlay = NewSubmenu(*mnuView, "mnuUnderlay", "Show/Hide &Underlays");
    mnuViewUnderlay = NewArray(*mnuUnderlay, "mnuViewUnderlay");
    mnuViewUnderlay->Load(1);
    mnuViewUnderlay->Load(2);
    mnuViewUnderlay->Caption(0, "Severity of Loss");
    mnuViewUnderlay->Caption(1, "Speech Spectrum");
    mnuViewUnderlay->Caption(2, "Audibility Index");
    mnuShowHidePrevAction = NewSubmenu(*mnuView, "mnuShowHidePrevAction", "Show/Hide &Previous Action");
    mnuViewPrevAction = NewArray(*mnuShowHidePrevAction, "mnuViewPrevAction");
    mnuViewShowHidePanel = NewSubmenu(*mnuView, "mnuViewShowHidePanel", "Show/Hide P&anels");
    mnuViewTableViewer = Ticked(NewItem(*mnuViewShowHidePanel, "mnuViewTableViewer", "&Table Viewer"));
    mnuViewIpsi = Tickable(NewItem(*mnuViewShowHidePanel, "mnuViewIpsi", "&Ipsilateral Reflexes"));
    mnuViewContra = Tickable(NewItem(*mnuViewShowHidePanel, "mnuViewContra", "&Contralateral Reflexes"));
    mnuViewTymp = Tickable(NewItem(*mnuViewShowHidePanel, "mnuViewTymp", "T&ympanometry"));
    mnuViewNotes = Ticked(NewItem(*mnuViewShowHidePanel, "mnuViewNotes", "&Notes"));
    mnuViewAverage = Ticked(NewItem(*mnuViewShowHidePanel, "mnuViewAverage", "&Average"));

    mnuAudiometerMain = NewMenu(owner, "mnuAudiometerMain", "A&udiometer");
    mnuSonvaleDevice = NewArray(*mnuAudiometerMain, "mnuSonvaleDevice");
    mnuSonvaleDevice->Action(0).setCheckable(false);
    mnuSonvaleDevice->Caption(0, "Audiometer Device Goes Here");

    mnuTools = NewMenu(owner, "mnuTools", "&Tools");
    mnuGeneralOptions = NewItem(*mnuTools, "mnuGeneralOptions", "&Global Options...");
    mnuToolsLine2 = NewSeparator(*mnuTools, "mnuToolsLine2");
    mnuToolsProfileManager = NewItem(*mnuTools, "mnuToolsProfileManager", "Profile &Manager...");
    mnuPreferences = NewItem(*mnuTools, "mnuPreferences", "Profile &Options...");
    mnuAudiometers = NewItem(*mnuTools, "mnuAudiometers", "&Calibration Dates...");
    mnuToolsSonvale = NewItem(*mnuTools, "mnuToolsSonvale", "&Setup Audiometers...");
    mnuToolsLine0 = NewSeparator(*mnuTools, "mnuToolsLine0");
    mnuToolsChangeProfile = NewSubmenu(*mnuTools, "mnuToolsChangeProfile", "C&hange Profile");
    mnuProfileList = NewArray(*mnuToolsChangeProfile, "mnuProfileList");
    mnuProfileList->Caption(0, "Profile");
    mnuToolsLine1 = NewSeparator(*mnuTools, "mnuToolsLine1");
    mnuToolsSwitchLanguage = NewSubmenu(*mnuTools, "mnuToolsSwitchLanguage", "Switch &Language");
    mnuLanguage = NewArray(*mnuToolsSwitchLanguage, "mnuLanguage");
    mnuLanguage->Visible(0, false);

    mnuHelp = NewMenu(owner, "mnuHelp", "&Help");
    mnuHelpTopics = NewItem(*mnuHelp, "mnuHelpTopics", "&Help Topics");
}

}  // namespace brisance

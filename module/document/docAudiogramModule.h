#pragma once
// The audiogram document that the host creates and frames: its menus,
// toolbar, tab strip with the view port and the three views, profile box,
// scroll bars and status bar; its initialisation, each show (loading the
// action group and choosing the mode), its end; the layout of the shown view
// and the states of the commands; the language step and the language switch.
//
// The host reaches it through its component object (AudiogramDocumentObject);
// the views report to it by their signals, and it drives them through their
// members. An error that reaches the boundary of one of its handlers (a
// signal, an event, a call of the host) is shown there in a stop box with its
// description and number, and the document stays open.

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "module/core/ActionGroup.h"
#include "module/core/CLanguages.h"
#include "module/document/DocumentMenus.h"
#include "module/document/DocumentUnderlayFile.h"
#include "PelmSonvale/ISonvaleController.h"
#include "host/HostInterfaces.h"
#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"
#include "platform/com/DocumentObject.h"
#include "platform/runtime/Variant.h"
#endif

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QKeyEvent;
class QPushButton;

namespace brisance {

class CImpedance;
class CPaletteItems;
class CurvePalette;
class CPureTone;
class CSpeech;
class FlatScrollBar;
class INotes;
class ImageCombo;
class SonvaleEvents;
class frmGeneralOptions;
class frmPreferences;
class KeyedStatusBar;
class KeyedTabStrip;
class KeyedToolBar;
class UserControl;

class docAudiogramModule final : public QWidget {
    Q_OBJECT

public:
    // The document's modes.
    static constexpr std::int32_t kModeNew = 0;
    static constexpr std::int32_t kModeEditable = 1;
    static constexpr std::int32_t kModeReadOnly = 2;

    // Builds every child control, then initialises the document.
    explicit docAudiogramModule(QWidget* parent = nullptr);
    ~docAudiogramModule() override;

    // The host's calls. SetFrame makes the document fill the frame's parent
    // and puts its menus on the frame's menu bar (null: takes both out again).
    void SetFrame(const platform::com::DocumentFrame* frame);
    // Every time the host shows the document: command states, layout, the
    // group loaded and the mode chosen (not while a view holds unsaved edits).
    void Show();
    // The document's end: the link controller let go, the module-wide
    // objects released; it then leaves its frame.
    void Terminate();

    // Tab captions, notes labels and the views' texts in the views' language.
    void LoadStringsIntoDisplay();

    // 0 new, 1 editable, 2 read-only.
    std::int32_t DocumentMode() const { return m_mode; }
    // False when initialisation ended on a failure.
    bool Initialized() const { return m_initialized; }
    const ActionGroup& GroupActions() const { return m_oGroupActions; }
    const CLanguages& Languages() const { return m_languages; }

    // The child controls.
    DocumentMenus& Menus() { return m_menus; }
    KeyedToolBar& tbrMain() const { return *m_tbrMain; }
    KeyedTabStrip& tabMain() const { return *m_tabMain; }
    KeyedStatusBar& sbrMain() const { return *m_sbrMain; }
    ImageCombo& imcProfiles() const { return *m_imcProfiles; }
    FlatScrollBar& fsbHortizontal() const { return *m_fsbHortizontal; }
    FlatScrollBar& fsbVertical() const { return *m_fsbVertical; }
    QWidget& picViewPort() const { return *m_picViewPort; }
    QPushButton& cmdTemp(std::size_t index) const { return *m_cmdTemp.at(index); }
    CPureTone& oPureTone() const { return *m_oPureTone; }
    CSpeech& oSpeech() const { return *m_oSpeech; }
    CImpedance& oImpedance() const { return *m_oImpedance; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct DocumentTestAccess;

    void BuildControls();
    void ConnectControls();
    // Runs a handler; an error that reaches it is shown, and the document goes on.
    void Guarded(const std::function<void()>& handler);
    void ShowError(const platform::runtime::RuntimeError& error);

    // Initialisation, show and end.
    void Initialize();
    void RefreshViews();
    void ShowToneAndImpedanceData();
    void ClearViews();
    void LoadNotesLabels(INotes& notes);
    void UpdateDatePanel();
    bool AnyViewDirty() const;

    // The action group and the mode.
    void LoadDocumentAndDecideMode();
    std::int32_t ModeOfAudiogram(host::IAction& audiogram) const;
    void SetDocumentMode();

    // Layout, keys and command states.
    void Resize();
    void LayoutPanels();
    void ScrollViewVertically(std::int16_t value);
    void ScrollViewHorizontally(std::int16_t value);
    // True when the key is the document's and goes no further.
    bool KeyDown(const QKeyEvent& event);
    void UpdateCommandStates();
    void UpdateViewMenus();
    void tabMain_Click();
    UserControl& ShownView() const;
    // Calls visit with the view of the tab key.
    template <class Visit>
    decltype(auto) OnView(const std::string& key, Visit visit) const;

    // Languages.
    void ChooseLanguage();
    void BuildLanguageMenu();
    void CheckLanguageItem(const std::string& filename);
    void ShowLanguageNotFound(const std::string& path);
    void mnuLanguage_Click(std::int32_t Index);

    // Routines of the later commands, called here at their places.
    // Profiles. The list in the profile box and the profile menu; with
    // selectDefault the default profile (else the first) becomes current.
    void LoadProfileList(bool selectDefault);
    // Ticks the profile's menu item alone and selects its box item.
    void MarkCurrentProfile(std::int32_t profileNumber);
    // Makes the profile current and applies it.
    void SwitchProfile(std::int32_t profileNumber);
    void imcProfiles_Click();
    void mnuProfileList_Click(std::int32_t Index);
    // The global options and the current profile's view settings applied to
    // the views and to the document's graph and zoom commands.
    void ApplyGlobalOptions();
    void ApplyProfilePreferences(vellum::IVellumKeyedStore& store);

    // Commands on the shown view (docAudiogramModuleCommands.cpp).
    void ConnectCommands();
    // Runs the command of the button's key; an unknown key is told so.
    void tbrMain_ButtonClick(const std::string& Key);
    void mnuEditTestConditions_Click();
    void mnuViewGraphMode_Click();
    // 0 both ears on one chart, 1 one chart per ear; the graph commands follow.
    void SetGraphMode(std::int32_t mode);
    void mnuViewZoomLeft_Click();
    void mnuViewZoomRight_Click();
    void mnuViewNormal_Click();
    // Shows one pure-tone chart (display mode 0 the left-placed, 1 the
    // right-placed), keeping the panel checks until the zoom ends.
    void ZoomGraph(std::int32_t displayMode);
    void RestoreNormalZoom();
    void SetPanelCommandsEnabled(bool enabled);
    void mnuViewTableViewer_Click();
    void mnuViewNotes_Click();
    void mnuViewAverage_Click();
    void mnuViewIpsi_Click();
    void mnuViewContra_Click();
    void mnuViewTymp_Click();
    void mnuShowHideTest_Click(std::int32_t Index);
    void cmdTemp_Click(std::int32_t Index);

    // The preference dialogs (docAudiogramModuleDialogs.cpp).
    void mnuGeneralOptions_Click();
    void frmGenOptions_ApplyButton(bool testsDeleted);
    void mnuPreferences_Click();
    // What every road to a profile's preferences dialog gives it: the open
    // audiogram, and the storing of a test edited on one of its palettes.
    void PreparePreferencesDialog(frmPreferences& dialog);
    void frmOptions_ApplyButton();
    void mnuAudiometers_Click();
    void mnuToolsProfileManager_Click();

    // Saving the action group (DocumentSave.cpp).
    void mnuFileSave_Click();
    // Writes the document into its group of host actions, creating and adding
    // the actions that are missing, all in one host transaction; a read-only
    // document writes nothing and another module's action is never written.
    // False when nothing was written, because a write failed or because
    // someone else changed one of the group's actions since this document
    // read it: the message has been shown, the views stay dirty and the mode
    // and the group are unchanged.
    bool SaveActionGroup();
    // True when one of the group's actions that a save writes was changed by
    // someone else since this document read or wrote it.
    bool GroupChangedElsewhere() const;
    // When a view holds unsaved edits, asks whether to save them first (never
    // for a read-only document). False only when the answer was Yes and the
    // save failed.
    bool OfferToSaveChanges();
    // The whole preference store into the host user's module data.
    void SaveUserPreferences();
    // The actions of the host's current session, where new actions go.
    host::ComPtr<host::IActions> CurrentSessionActions() const;

    // Undo and the views' events (DocumentUndo.cpp).
    void ConnectViewEvents();
    // Keeps the data as they are before a view's edit; the redo caption is not used.
    void SaveUndoState(const std::string& ActionUndoDescription, const std::string& ActionRedoDescription);
    // Puts the pure-tone curves and tympanograms of the kept data back.
    void UndoLastEdit();
    void DiscardUndoState();
    void mnuEditUndo_Click();
    void oPureTone_PaletteButtonSelected();
    // A view's test settings changed: the curve preferences stored and written
    // to the host user, the view's palette rebuilt, every view drawn again.
    void TestSettingsChanged(CurvePalette& palette, const CPaletteItems& items);
    void oPureTone_Stopped();

    // Past actions, new action and copy ear (DocumentActions.cpp).
    void ConnectActionCommands();
    // The past-action menu of the File menu: every audiogram of the client.
    void BuildPastActionMenu();
    // The previous-action underlay menu; gives the number of its actions.
    // Only with a current client.
    std::int32_t BuildPreviousActionMenu();
    // The client's action that a menu entry's tag names; raises when there
    // is none.
    host::ComPtr<host::IAction> ActionOfTag(const std::string& tag) const;
    void mnuFilePastAction_Click(std::int32_t Index);
    void mnuViewPrevAction_Click(std::int32_t Index);
    void mnuFileNewAction_Click();
    // An empty new document in mode 0 with no actions.
    void StartNewAction();
    void mnuEditCopyEar_Click();

    // Printing the report (docAudiogramModulePrint.cpp).
    void ConnectPrintCommands();
    void mnuFilePrint_Click();
    // Prints the report of the shown group: with the print dialog on the
    // printer chosen there, else on the default printer. Cancel ends it
    // silently; no printer, or a failure while printing, is shown in one
    // message. Reads the document and changes nothing in it.
    void PrintAudiogram(bool ShowDialog);
    void ShowNoPrinterMessage();

    // Read-only mode (DocumentReadOnly.cpp): asks whether to make a new action
    // of the shown data, a new empty one, or go on viewing. Only in mode 2.
    void picViewPort_MouseDown();
    // A result of the instrument link reached a read-only view: the same
    // question, once for the shown group; a new audiogram then takes the
    // result (take() takes it).
    void LinkResultWhileReadOnly(const std::function<void()>& take);

    // Date of evaluation, properties and report comments
    // (docAudiogramModuleEvaluation.cpp); underlays, palette configuration and
    // help (docAudiogramModuleUnderlays.cpp).
    void ConnectEvaluationCommands();
    void EditDateOfEvaluation();
    void mnuFileProperties_Click();
    void mnuReportComments_Click();
    // The "DATE" panel edits the date of evaluation, unless the document is
    // read-only.
    void sbrMain_PanelDblClick(const std::string& Key);
    // The chosen day as the stored date of evaluation (the stored one: none
    // where the stored text is no date), shown in the date panel.
    void StoreDateOfEvaluation(std::optional<platform::runtime::Date> stored, platform::runtime::Date chosen);
    // An accepted change of the notes store's date, description or comments:
    // in a document that can be saved, a change that closing asks to save.
    void MarkNotesChanged();
    void ConnectUnderlayCommands();
    void mnuViewUnderlay_Click(std::int32_t Index);
    // Underlay Index (0 severity of loss, 1 speech spectrum, 2 audibility
    // index) on the pure-tone charts, its element alone ticked; without Force
    // the ticked element's underlay is taken away instead.
    void ShowPureToneUnderlay(std::int32_t Index, bool Force);
    // Ticks the underlay element alone; -1 ticks none.
    void CheckPureToneUnderlay(std::int32_t Index);
    // The underlays that a profile's "PTGraphOptions" and "SPGraphOptions" choose.
    void ShowProfilePureToneUnderlay(std::int32_t graphOptions);
    void ShowProfileSpeechUnderlay(std::int32_t graphOptions);
    // Index 0 to 3 the speech chart's underlays 1 to 4, any other none;
    // without Show the speech chart's picture is taken away.
    void SetSpeechUnderlay(std::int32_t Index, bool Show);
    // The palette dialog of the shown view; nothing on the impedance tab.
    void ConfigureCurrentTestPalette();
    // The help of the chosen language at its default topic.
    void ShowHelpTopics();

    // The instrument menu and the link's set-up dialog
    // (docAudiogramModuleInstruments.cpp). Whether a driver runs is asked of
    // the link at every click; the menu keeps no state of its own.
    void ConnectInstrumentCommands();
    // Subscribes to the link controller's events that the document takes.
    void ListenToInstrumentLink();
    // One item "Start" + name per registered driver, its Tag the driver's
    // Index; with none, element 0 alone, disabled.
    void FillInstrumentMenu();
    // Starts a measurement with the item's driver, or stops it when it runs.
    void mnuSonvaleDevice_Click(std::int32_t Index);
    void StartMeasurement(std::int32_t Index);
    void StopMeasurement(std::int32_t Index);
    // The driver whose Index the item's Tag holds.
    platform::com::ComPtr<pelmsonvale::ISonvaleDriver> DriverOfInstrumentItem(std::int32_t Index) const;
    // Every instrument item but the one of Index, and the set-up item.
    void EnableOtherInstrumentCommands(std::int32_t Index, bool enabled);
    void mnuToolsSonvale_Click();
    // The controller read its list again for a new driver: the indexes the
    // items' Tags hold may have changed.
    void m_oAudi_SetupDone();
    std::unique_ptr<SonvaleEvents> m_instrumentLink;
    friend struct InstrumentTestAccess;

    // The server is reached through this pair only.
    const host::ComPtr<host::IModuleServer>& ModServ() const { return m_oModServ; }
    void ModServ(host::ComPtr<host::IModuleServer> server) { m_oModServ = std::move(server); }

    DocumentMenus m_menus;
    KeyedToolBar* m_tbrMain = nullptr;
    QWidget* m_inner = nullptr;
    KeyedTabStrip* m_tabMain = nullptr;
    KeyedStatusBar* m_sbrMain = nullptr;
    ImageCombo* m_imcProfiles = nullptr;
    FlatScrollBar* m_fsbHortizontal = nullptr;
    FlatScrollBar* m_fsbVertical = nullptr;
    QWidget* m_picViewPort = nullptr;
    std::array<QPushButton*, 5> m_cmdTemp{};
    CPureTone* m_oPureTone = nullptr;
    CSpeech* m_oSpeech = nullptr;
    CImpedance* m_oImpedance = nullptr;

    platform::com::DocumentFrame m_frame;

    vellum::ComPtr<vellum::IVellumDataLayer> m_data;
    vellum::ComPtr<pelmsonvale::ISonvaleController> m_sonvale;
    vellum::ComPtr<vellum::IVellumKeyedStore> m_notes;
    host::ComPtr<host::IModuleServer> m_oModServ;
    // The host's show context; kept, never read.
    platform::runtime::Variant m_showContext;
    ActionGroup m_oGroupActions;
    // The revisions of the group's actions when this document last read or
    // wrote them.
    GroupRevisions m_groupRevisions{};
    std::int32_t m_mode = kModeNew;
    // The user was asked what to do with a link result while the shown group
    // is read-only.
    bool m_readOnlyResultAsked = false;
    // While that question is open: the results that came meanwhile.
    std::vector<std::function<void()>>* m_resultsAwaitingAnswer = nullptr;
    // The data as they were before the last undoable edit.
    platform::runtime::Variant m_vntUndoData;
    // The index of the tab whose edit the undo snapshot holds; -1: none.
    std::int16_t m_intUndoTab = -1;
    bool m_shown = false;
    std::int32_t m_previousActionCount = 0;
    std::string m_strDescription;
    CLanguages m_languages;

    // The open global-options and preferences dialogs; null while none is open.
    frmGeneralOptions* m_frmGenOptions = nullptr;
    frmPreferences* m_frmOptions = nullptr;
    // The panel checks of the pure-tone view while it is zoomed.
    struct PanelStates {
        bool average;
        bool tableViewer;
        bool notes;
    };
    std::optional<PanelStates> m_savedPanelStates;

    bool m_globalsCreated = false;
    bool m_initialized = false;
    bool m_terminated = false;
    // The host refused a write of the user's preferences and was told so.
    bool m_preferencesRefusalShown = false;
    // The picture under this document's pure-tone charts.
    DocumentUnderlayFile m_underlayFile;
};

}  // namespace brisance

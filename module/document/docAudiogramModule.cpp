#include "module/document/docAudiogramModule.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CSymbols.h"
#include "module/core/GetDateOfEvaluation.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/core/UserPreferences.h"
#include "module/document/DocumentIcons.h"
#include "module/document/FlatScrollBar.h"
#include "module/document/ImageCombo.h"
#include "module/document/KeyedStatusBar.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/document/ModuleVersion.h"
#include "module/panels/INotes.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"
#include "module/views/SonvaleEvents.h"

#include "PelmSonvale/ClassIds.h"

#include "platform/com/Creation.h"
#include "platform/runtime/Dates.h"
#include "platform/ui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>

namespace brisance {

namespace {

using platform::runtime::RuntimeError;

// Where the notes panels keep their recent entries.
constexpr std::int32_t kRecentEntriesCategory = 10000;

}  // namespace

docAudiogramModule::docAudiogramModule(QWidget* parent) : QWidget(parent), m_menus(*this)
{
    setObjectName(QStringLiteral("docAudiogramModule"));
    BuildControls();
    ConnectControls();
    // Keys pressed anywhere inside the document come here before the control
    // that has the focus sees them, and so do the frame's resizes.
    qApp->installEventFilter(this);
    Initialize();
}

docAudiogramModule::~docAudiogramModule()
{
    // A document that the host let go without closing it still gives the
    // module-wide objects back.
    if (m_globalsCreated && !m_terminated)
        ReleaseModuleGlobals();
}

void docAudiogramModule::BuildControls()
{
    m_tbrMain = new KeyedToolBar(this);
    m_tbrMain->setObjectName(QStringLiteral("tbrMain"));
    for (const DocumentIcon& button : DocumentToolbarButtons())
        m_tbrMain->AddButton(button.key, DocumentIconOf(button.key), button.separatorBefore);
    m_tbrMain->MakeGroup({"ZoomLeft", "ZoomNormal", "ZoomRight"});
    m_tbrMain->MakeGroup({"SingleGraph", "DualGraph"});

    m_inner = new QWidget(this);
    m_inner->setObjectName(QStringLiteral("documentArea"));
    m_tabMain = new KeyedTabStrip({"PURETONE", "SPEECH", "IMPEDANCE"}, m_inner);
    m_tabMain->setObjectName(QStringLiteral("tabMain"));
    m_picViewPort = new QWidget(m_inner);
    m_picViewPort->setObjectName(QStringLiteral("picViewPort"));
    m_fsbHortizontal = new FlatScrollBar(Qt::Horizontal, m_inner);
    m_fsbHortizontal->setObjectName(QStringLiteral("fsbHortizontal"));
    m_fsbHortizontal->hide();
    m_fsbVertical = new FlatScrollBar(Qt::Vertical, m_inner);
    m_fsbVertical->setObjectName(QStringLiteral("fsbVertical"));
    m_fsbVertical->hide();
    m_imcProfiles = new ImageCombo(m_inner);
    m_imcProfiles->setObjectName(QStringLiteral("imcProfiles"));
    m_sbrMain = new KeyedStatusBar({"MESSAGE", "CLIENT", "DATE", "MODE"}, m_inner);
    m_sbrMain->setObjectName(QStringLiteral("sbrMain"));

    static constexpr std::array<const char*, 5> kTempCaptions{"A", "E", "A", "T", "V"};
    for (std::size_t i = 0; i < m_cmdTemp.size(); ++i) {
        m_cmdTemp[i] = new QPushButton(QString::fromLatin1(kTempCaptions[i]), m_inner);
        m_cmdTemp[i]->setObjectName(QStringLiteral("cmdTemp%1").arg(i));
        m_cmdTemp[i]->hide();
    }

    m_oPureTone = new CPureTone(m_picViewPort);
    m_oPureTone->setObjectName(QStringLiteral("oPureTone"));
    m_oSpeech = new CSpeech(m_picViewPort);
    m_oSpeech->setObjectName(QStringLiteral("oSpeech"));
    m_oImpedance = new CImpedance(m_picViewPort);
    m_oImpedance->setObjectName(QStringLiteral("oImpedance"));
    m_oSpeech->Visible(false);
    m_oImpedance->Visible(false);

    m_tabMain->lower();
}

void docAudiogramModule::ConnectControls()
{
    connect(m_tabMain, &KeyedTabStrip::Click, this, [this] { Guarded([this] { tabMain_Click(); }); });
    connect(m_fsbVertical, &FlatScrollBar::Change, this,
            [this](std::int16_t value) { Guarded([this, value] { ScrollViewVertically(value); }); });
    connect(m_fsbHortizontal, &FlatScrollBar::Change, this,
            [this](std::int16_t value) { Guarded([this, value] { ScrollViewHorizontally(value); }); });
    connect(m_menus.mnuLanguage, &MenuControlArray::Click, this,
            [this](std::int32_t index) { Guarded([this, index] { mnuLanguage_Click(index); }); });
    connect(m_imcProfiles, &ImageCombo::Click, this, [this] { Guarded([this] { imcProfiles_Click(); }); });
    connect(m_menus.mnuProfileList, &MenuControlArray::Click, this,
            [this](std::int32_t index) { Guarded([this, index] { mnuProfileList_Click(index); }); });
    connect(m_menus.mnuFileSave, &QAction::triggered, this, [this] { Guarded([this] { mnuFileSave_Click(); }); });
    ConnectViewEvents();
    ConnectCommands();
    ConnectInstrumentCommands();
    ConnectActionCommands();
    ConnectPrintCommands();
    ConnectEvaluationCommands();
    ConnectUnderlayCommands();
}

void docAudiogramModule::SetFrame(const platform::com::DocumentFrame* frame)
{
    if (m_frame.menuBar)
        for (QMenu* menu : m_menus.TopMenus())
            m_frame.menuBar->removeAction(menu->menuAction());
    m_frame = frame ? *frame : platform::com::DocumentFrame{};

    setParent(m_frame.parent);
    if (!m_frame.parent)
        return;
    setGeometry(m_frame.parent->rect());
    if (m_frame.menuBar)
        for (QMenu* menu : m_menus.TopMenus())
            m_frame.menuBar->addMenu(menu);
    show();
}

void docAudiogramModule::Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeError& error) {
        ShowError(error);
    }
}

void docAudiogramModule::ShowError(const RuntimeError& error)
{
    platform::ui::messageBox(this,
                             "An error has occurred: " + error.description() + " " + std::to_string(error.number()),
                             ModuleMessageTitle(), platform::ui::MB_ICONSTOP);
}

void docAudiogramModule::Initialize()
{
    try {
        ModuleGlobals::SetPreferencesReset(false);
        m_globalsCreated = true;
        CreateModuleGlobals();
        m_sbrMain->PanelText("MESSAGE", VersionPanelText());

        m_data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        m_data->put_DataFormat(200);
        m_oPureTone->DataLayer(m_data);
        m_oSpeech->DataLayer(m_data);
        m_oImpedance->DataLayer(m_data);

        m_sonvale = platform::com::create<pelmsonvale::ISonvaleController>(pelmsonvale::kSonvaleControllerClsid);
        m_oPureTone->Sonvale(m_sonvale);
        m_oImpedance->Sonvale(m_sonvale);
        ListenToInstrumentLink();

        m_notes = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        m_oPureTone->NotesLayer(m_notes);
        m_oSpeech->NotesLayer(m_notes);
        m_oImpedance->NotesLayer(m_notes);

        ModServ(platform::com::create<host::IModuleServer>(host::kModuleServerClsid));
        host::ComPtr<host::IAction> action;
        ModServ()->GetShowAction(kModuleIdentity, &m_showContext, action.put(), nullptr);
        const host::ComPtr<host::IClient> client = ModServ()->get_CurrentClient();
        if (!action)
            action = LatestAudiogramAction(client);
        m_oGroupActions = GroupOfAction(action);

        // The language comes first, so that the client panel's texts can be read.
        ChooseLanguage();
        if (client) {
            m_previousActionCount = BuildPreviousActionMenu();
            m_sbrMain->PanelText("CLIENT", client->get_FirstName() + " " + client->get_LastName());
            BuildPastActionMenu();
            UpdateViewMenus();
        } else {
            m_sbrMain->PanelText("CLIENT", ModuleGlobals::UiTextLoader()->LoadResString(TR_NO_CLIENT_SELECTED));
        }
        // Without a current user the initials stay empty.
        const host::ComPtr<host::IUser> user = ModServ()->get_CurrentUser();
        ModuleGlobals::SetUserInitials(user ? user->get_Initials() : std::string());

        const std::shared_ptr<CLangLoader> viewTexts = ModuleGlobals::ViewTextLoader();
        m_oPureTone->LanguageLoader(viewTexts);
        m_oSpeech->LanguageLoader(viewTexts);
        m_oImpedance->LanguageLoader(viewTexts);

        const auto preferences = ModuleGlobals::PreferenceStore();
        LoadUserPreferences(ModServ(), preferences);
        ModuleGlobals::CurvePrefs()->LoadFromPreferences(*preferences);

        const auto symbols = ModuleGlobals::Symbols();
        m_oPureTone->ImageList(symbols->SymbolImages());
        m_oPureTone->ImageListLarge(symbols->SymbolImagesLarge());
        m_oSpeech->ImageList(symbols->SymbolImages());
        m_oSpeech->ImageListLarge(symbols->SymbolImagesLarge());

        LoadProfileList(true);

        const std::array<INotes*, 3> notesPanels{m_oPureTone->Notes(), m_oSpeech->Notes(), m_oImpedance->Notes()};
        for (INotes* notes : notesPanels) {
            notes->Prefs(preferences);
            notes->LoadAudiometers();
        }
        m_oImpedance->Prefs(preferences);
        for (std::size_t section = 0; section < notesPanels.size(); ++section)
            notesPanels[section]->LoadMRUList(kRecentEntriesCategory, static_cast<std::int32_t>(section));
        // After the language step, so that the items read "Start" in the user's language.
        FillInstrumentMenu();

        for (UserControl* view : std::array<UserControl*, 3>{m_oPureTone, m_oSpeech, m_oImpedance}) {
            view->Left(0);
            view->Top(0);
        }

        ApplyGlobalOptions();
        ApplyProfilePreferences(*preferences);
        LoadStringsIntoDisplay();
        m_intUndoTab = -1;
        m_initialized = true;
    } catch (const RuntimeError& error) {
        ShowError(error);
    }
}

void docAudiogramModule::Show()
{
    Guarded([this] {
        if (!m_initialized)
            return;
        m_shown = true;
        UpdateCommandStates();
        LayoutPanels();
        // Edits that are not saved yet are kept: the group is loaded again
        // only over clean views.
        if (!AnyViewDirty())
            LoadDocumentAndDecideMode();
        SetDocumentMode();
    });
}

void docAudiogramModule::Terminate()
{
    if (m_terminated)
        return;
    Guarded([this] {
        m_instrumentLink.reset();
        m_sonvale.reset();
        if (m_initialized)
            OfferToSaveChanges();
    });
    m_terminated = true;
    if (m_globalsCreated)
        ReleaseModuleGlobals();
    m_underlayFile.Remove();
    SetFrame(nullptr);
}

bool docAudiogramModule::AnyViewDirty() const
{
    return m_oSpeech->DataNeedsSaved() || m_oPureTone->DataNeedsSaved() || m_oImpedance->DataNeedsSaved();
}

void docAudiogramModule::RefreshViews()
{
    m_oPureTone->ShowDataInDataLayer();
    m_oSpeech->ShowDataInDataLayer();
    m_oImpedance->ShowDataInDataLayer();
    UpdateDatePanel();
}

void docAudiogramModule::ShowToneAndImpedanceData()
{
    m_oPureTone->ShowDataInDataLayer();
    m_oImpedance->ShowDataInDataLayer();
    UpdateDatePanel();
}

void docAudiogramModule::ClearViews()
{
    m_oPureTone->Clear();
    m_oSpeech->Clear();
    m_oImpedance->Clear();
}

void docAudiogramModule::LoadNotesLabels(INotes& notes)
{
    const CLangLoader& texts = *ModuleGlobals::ViewTextLoader();
    notes.Caption(texts.LoadResString(TR_NOTES));
    static constexpr std::array<std::pair<std::int32_t, std::int32_t>, 7> kLabels{{
        {0, TR_MAKEMODEL},
        {1, TR_CALIBRATION_DATE},
        {6, TR_COMMENTS},
        {2, TR_TEST_METHOD},
        {3, TR_TEST_RELIABILITY},
        {4, TR_USER_DEF_1},
        {5, TR_USER_DEF_2},
    }};
    for (const auto& [noteType, textId] : kLabels)
        notes.SetNoteTypeLabel(noteType, texts.LoadResString(textId));
}

void docAudiogramModule::UpdateDatePanel()
{
    const std::string label = ModuleGlobals::UiTextLoader()->LoadResString2(TR_DATE_OF_EVALUATION);
    const auto date = GetDateOfEvaluation(*m_notes);
    m_sbrMain->PanelText("DATE", label + ": " +
                                     (date ? platform::runtime::dateText(*date)
                                           : ModuleGlobals::UiTextLoader()->LoadResString(TR_NO_DATE)));
}

}  // namespace brisance

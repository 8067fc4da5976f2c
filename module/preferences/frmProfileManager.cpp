#include "module/preferences/frmProfileManager.h"

#include "module/core/ListView.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/ModulePaths.h"
#include "module/core/PreferenceValues.h"
#include "module/core/ProgramTitle.h"
#include "module/core/ShowRaisedError.h"
#include "module/core/StoreSelection.h"
#include "module/core/StoreSnapshot.h"
#include "module/core/TextResources.h"
#include "module/core/UserPreferences.h"
#include "module/panels/PopupMenu.h"
#include "module/panels/TwipsGeometry.h"
#include "module/preferences/ProfileExportFile.h"
#include "module/preferences/frmPreferences.h"

#include "platform/com/Creation.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/system/WholeFile.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/MessageBox.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <filesystem>
#include <functional>
#include <system_error>
#include <utility>

namespace brisance {

namespace runtime = platform::runtime;
namespace ui = platform::ui;

namespace {

// The layout, in twips: the list under its label on the left, the commands in
// a column on its right, the reset and the developer buttons under the list.
constexpr int kMargin = 120;
constexpr int kLabelHeight = 255;
constexpr int kListTop = kMargin + kLabelHeight + 60;
constexpr int kListWidth = 4200;
constexpr int kListHeight = 3300;
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 375;
constexpr int kButtonPitch = 450;
constexpr int kResetWidth = 2535;
constexpr int kDeveloperButtonWidth = 1455;

constexpr const char* kProfileKey = "Profile";
constexpr const char* kDefaultKey = "DftProfile";
constexpr const char* kProfileFilter = "Tavo Audiogram Profiles (*.profile)|*.profile";
constexpr const char* kProfileSuffix = ".profile";

// The profile's own name, without the default's suffix that the item shows.
constexpr int kNameRole = Qt::UserRole + 16;

const CLangLoader& Texts()
{
    return *ModuleGlobals::UiTextLoader();
}

QString Text(TextResources id)
{
    return QString::fromStdString(Texts().LoadResString(id));
}

// The label editor starts from the profile's own name and hands the typed
// text to the dialog, which decides what becomes of it.
class ProfileNameDelegate : public QStyledItemDelegate {
public:
    ProfileNameDelegate(QObject* parent, std::function<void(int, const QString&)> renamed)
        : QStyledItemDelegate(parent), m_renamed(std::move(renamed))
    {
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* box = qobject_cast<QLineEdit*>(editor))
            box->setText(index.data(kNameRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        if (auto* box = qobject_cast<QLineEdit*>(editor))
            m_renamed(index.row(), box->text());
    }

private:
    std::function<void(int, const QString&)> m_renamed;
};

// The item shows the name, and for the default profile the name with
// " (Default)" in bold.
void ShowProfile(QTreeWidgetItem& item, const QString& name, bool isDefault)
{
    item.setData(0, kNameRole, name);
    item.setText(0, isDefault ? name + " (" + Text(TR_DEFAULT) + ")" : name);
    QFont font = item.font(0);
    font.setBold(isDefault);
    item.setFont(0, font);
}

// The file dialogs offer ".profile" files and add no extension of their own.
ui::FileDialogRequest ProfileFileRequest()
{
    ui::FileDialogRequest request;
    request.filter = kProfileFilter;
    return request;
}

bool HasProfileSuffix(const std::string& path)
{
    constexpr std::size_t length = std::char_traits<char>::length(kProfileSuffix);
    return path.size() >= length && QString::fromStdString(path.substr(path.size() - length)).toLower() == kProfileSuffix;
}

bool FileExists(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

}  // namespace

frmProfileManager::frmProfileManager(QWidget* parent) : QDialog(parent)
{
    lblAvailableProfiles = new QLabel(this);
    lblAvailableProfiles->setObjectName("lblAvailableProfiles");
    lvwProfiles = new ListView(this);
    lvwProfiles->setObjectName("lvwProfiles");
    lvwProfiles->setColumnCount(1);
    lvwProfiles->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    lvwProfiles->setItemDelegate(new ProfileNameDelegate(
        lvwProfiles, [this](int row, const QString& typed) { Run([&] { ProfileRenamed(row, typed); }); }));

    const auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        return b;
    };
    cmdNew = button("cmdNew");
    cmdEdit = button("cmdEdit");
    cmdMore = button("cmdMore");
    cmdReset_to_ORVEL = button("cmdReset_to_ORVEL");
    cmdTemp = button("cmdTemp");
    cmdTempExport = button("cmdTempExport");
    cmdOK = button("cmdOK");
    cmdCancel = button("cmdCancel");
    cmdMore->setEnabled(false);
    const bool developer = IsDebugMode();
    cmdTemp->setVisible(developer);
    cmdTempExport->setVisible(developer);

    LoadCaptions();
    PlaceControls();

    const auto enableMore = [this] { cmdMore->setEnabled(SelectedItem() != nullptr); };
    connect(lvwProfiles, &QTreeWidget::itemClicked, this, enableMore);
    connect(lvwProfiles, &QTreeWidget::currentItemChanged, this, enableMore);
    const auto on = [this](QPushButton* b, void (frmProfileManager::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { Run([&] { (this->*handler)(); }); });
    };
    on(cmdNew, &frmProfileManager::cmdNew_Click);
    on(cmdEdit, &frmProfileManager::cmdEdit_Click);
    on(cmdMore, &frmProfileManager::cmdMore_Click);
    on(cmdReset_to_ORVEL, &frmProfileManager::cmdReset_to_ORVEL_Click);
    on(cmdTemp, &frmProfileManager::FillList);
    on(cmdTempExport, &frmProfileManager::cmdTempExport_Click);
    on(cmdOK, &frmProfileManager::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmProfileManager::reject);
}

void frmProfileManager::LoadCaptions()
{
    setWindowTitle(QString::fromStdString(Texts().LoadResString2(TR_PROFILE_MANAGER)));
    lvwProfiles->setHeaderLabels({"Profile Name"});
    lblAvailableProfiles->setText(Text(TR_AVAILABLE_PROFILES));
    cmdNew->setText(Text(TR_NEW));
    cmdEdit->setText(Text(TR_EDIT));
    cmdMore->setText(Text(TR_MORE));
    cmdReset_to_ORVEL->setText(Text(TR_RESET_TO_ORVEL));
    cmdTemp->setText("Reload list");
    cmdTempExport->setText("Export standard");
    cmdOK->setText(Text(TR_OK));
    cmdCancel->setText(Text(TR_CANCEL));
}

void frmProfileManager::PlaceControls()
{
    lblAvailableProfiles->setGeometry(twipsRect(kMargin, kMargin, kListWidth, kLabelHeight));
    lvwProfiles->setGeometry(twipsRect(kMargin, kListTop, kListWidth, kListHeight));
    const int buttonLeft = 2 * kMargin + kListWidth;
    int top = kListTop;
    for (QPushButton* b : {cmdNew, cmdEdit, cmdMore}) {
        b->setGeometry(twipsRect(buttonLeft, top, kButtonWidth, kButtonHeight));
        top += kButtonPitch;
    }
    const int listBottom = kListTop + kListHeight;
    cmdCancel->setGeometry(twipsRect(buttonLeft, listBottom - kButtonHeight, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(buttonLeft, listBottom - kButtonHeight - kButtonPitch, kButtonWidth, kButtonHeight));

    const int bottomRow = listBottom + kMargin;
    cmdReset_to_ORVEL->setGeometry(twipsRect(kMargin, bottomRow, kResetWidth, kButtonHeight));
    const int developerLeft = buttonLeft + kButtonWidth - kDeveloperButtonWidth;
    cmdTempExport->setGeometry(twipsRect(developerLeft, bottomRow, kDeveloperButtonWidth, kButtonHeight));
    cmdTemp->setGeometry(
        twipsRect(developerLeft - kMargin - kDeveloperButtonWidth, bottomRow, kDeveloperButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, buttonLeft + kButtonWidth + kMargin, bottomRow + kButtonHeight + kMargin).size());
}

void frmProfileManager::Preferences(vellum::ComPtr<vellum::IVellumKeyedStore> store)
{
    m_store = std::move(store);
    FillList();
}

void frmProfileManager::CurrentProfile(std::int32_t profile)
{
    m_currentProfile = profile;
    const QSignalBlocker quiet(lvwProfiles);
    lvwProfiles->setCurrentItem(lvwProfiles->FindItem(std::to_string(profile) + "K"));
}

void frmProfileManager::FillList()
{
    const QSignalBlocker quiet(lvwProfiles);
    lvwProfiles->clear();
    if (!m_store)
        return;
    StoreSelectionKeeper keeper(*m_store, kProfilesCategory, 0);
    for (std::int16_t profile = 0; profile <= kLastListedProfile; ++profile) {
        m_store->put_Section(profile);
        const std::string name = PreferenceText(*m_store, kProfileKey);
        if (name.empty())
            continue;
        QTreeWidgetItem& item = lvwProfiles->AddItem(std::to_string(profile) + "K", name, 0);
        ListView::Tag(item, std::to_string(profile));
        item.setFlags(item.flags() | Qt::ItemIsEditable);
        ShowProfile(item, QString::fromStdString(name), PreferenceFlag(*m_store, kDefaultKey));
        if (profile == m_currentProfile)
            lvwProfiles->setCurrentItem(&item);
    }
}

QTreeWidgetItem* frmProfileManager::SelectedItem() const
{
    const auto selected = lvwProfiles->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

std::int16_t frmProfileManager::ProfileNumber(const QTreeWidgetItem& item)
{
    return static_cast<std::int16_t>(std::stoi(ListView::Tag(item)));
}

// The store would take a profile beyond section 20, but no list shows it
// there: the user is told instead of losing it.
std::optional<std::int16_t> frmProfileManager::FreeProfileOrRefuse()
{
    StoreSelectionKeeper keeper(*m_store, kProfilesCategory, 0);
    for (std::int16_t profile = 0; profile <= kLastListedProfile; ++profile) {
        m_store->put_Section(profile);
        if (PreferenceText(*m_store, kProfileKey).empty())
            return profile;
    }
    ShowMessage(Texts().LoadResString(TR_NO_FREE_PROFILE_PLACE), ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return std::nullopt;
}

void frmProfileManager::EditNewProfileName(std::int16_t profile)
{
    FillList();
    QTreeWidgetItem* item = lvwProfiles->FindItem(std::to_string(profile) + "K");
    if (!item)
        return;
    lvwProfiles->setCurrentItem(item);
    lvwProfiles->setFocus();
    lvwProfiles->editItem(item, 0);
}

// A profile exists while its name is not empty: an edit that leaves the name
// empty or blank would delete it, so it keeps the old name.
void frmProfileManager::ProfileRenamed(int row, const QString& typed)
{
    QTreeWidgetItem* item = lvwProfiles->topLevelItem(row);
    if (!item || !m_store || typed.trimmed().isEmpty())
        return;
    StoreSelectionKeeper keeper(*m_store, kProfilesCategory, ProfileNumber(*item));
    m_store->put_Value(kProfileKey, typed.toStdString());
    const QSignalBlocker quiet(lvwProfiles);
    ShowProfile(*item, typed, PreferenceFlag(*m_store, kDefaultKey));
}

void frmProfileManager::ShowMessage(const std::string& text, std::uint32_t style)
{
    ui::messageBox(this, text, ProgramTitle(Texts()), style);
}

void frmProfileManager::Run(const std::function<void()>& command)
{
    try {
        command();
    } catch (const runtime::RuntimeError& error) {
        ShowRaisedError(this, error);
    }
}

void frmProfileManager::cmdNew_Click()
{
    if (!m_store)
        return;
    const std::optional<std::int16_t> profile = FreeProfileOrRefuse();
    if (!profile)
        return;
    {
        StoreSelectionKeeper keeper(*m_store, kProfilesCategory, *profile);
        // A free section can still hold keys (of a profile without a name):
        // a new profile starts from none.
        m_store->ClearSection();
        m_store->put_Value(kProfileKey, Texts().LoadResString(TR_MY_NEW_PROFILE));
        m_store->put_Value(kDefaultKey, false);
    }
    EditNewProfileName(*profile);
}

// The preferences dialog edits the store where it finds it, so the store
// moves to the profile while the dialog shows; it opens on its first tab.
void frmProfileManager::cmdEdit_Click()
{
    const QTreeWidgetItem* item = SelectedItem();
    if (!item || !m_store)
        return;
    StoreSelectionKeeper keeper(*m_store, kProfilesCategory, ProfileNumber(*item));
    frmPreferences dialog(this);
    dialog.Preferences(m_store);
    dialog.LoadPreferences();
    dialog.ProfileName(item->text(0).toStdString());
    emit PreferencesOpening(dialog);
    dialog.exec();
}

void frmProfileManager::cmdMore_Click()
{
    const auto item = [this](const char* name, TextResources caption, void (frmProfileManager::*handler)()) {
        return PopupMenuItem{name, Text(caption), [this, handler] { Run([&] { (this->*handler)(); }); }};
    };
    popupMenu(*this, {item("mnuCopy", TR_DUPLICATE, &frmProfileManager::mnuCopy_Click),
                      item("mnuRename", TR_RENAME, &frmProfileManager::mnuRename_Click),
                      item("mnuDelete", TR_DELETE, &frmProfileManager::mnuDelete_Click),
                      item("mnuDefault", TR_SET_AS_DEFAULT, &frmProfileManager::mnuDefault_Click),
                      item("mnuExportToFile", TR_EXPORT_TO_FILE, &frmProfileManager::mnuExportToFile_Click),
                      item("mnuImportFromFile", TR_IMPORT_FROM_FILE, &frmProfileManager::mnuImportFromFile_Click)});
}

void frmProfileManager::mnuCopy_Click()
{
    const QTreeWidgetItem* source = SelectedItem();
    if (!source || !m_store)
        return;
    const std::optional<std::int16_t> profile = FreeProfileOrRefuse();
    if (!profile)
        return;
    {
        StoreSelectionKeeper keeper(*m_store, kProfilesCategory, ProfileNumber(*source));
        const runtime::Variant data = m_store->get_SectionData();
        const std::string name = PreferenceText(*m_store, kProfileKey);
        m_store->put_Section(*profile);
        m_store->put_SectionData(data);
        m_store->put_Value(kProfileKey, Texts().LoadResString(TR_COPY_OF) + " " + name);
        m_store->put_Value(kDefaultKey, false);
    }
    EditNewProfileName(*profile);
}

void frmProfileManager::mnuRename_Click()
{
    QTreeWidgetItem* item = SelectedItem();
    if (!item)
        return;
    lvwProfiles->setFocus();
    lvwProfiles->editItem(item, 0);
}

// The profile in use stays: choosing Delete on it does nothing.
void frmProfileManager::mnuDelete_Click()
{
    const QTreeWidgetItem* item = SelectedItem();
    if (!item || !m_store || ProfileNumber(*item) == m_currentProfile)
        return;
    {
        StoreSelectionKeeper keeper(*m_store, kProfilesCategory, ProfileNumber(*item));
        m_store->ClearSection();
    }
    FillList();
}

void frmProfileManager::mnuDefault_Click()
{
    const QTreeWidgetItem* item = SelectedItem();
    if (!item || !m_store)
        return;
    const std::int16_t chosen = ProfileNumber(*item);
    {
        StoreSelectionKeeper keeper(*m_store, kProfilesCategory, 0);
        for (std::int16_t profile = 0; profile <= kLastListedProfile; ++profile) {
            m_store->put_Section(profile);
            if (!PreferenceText(*m_store, kProfileKey).empty())
                m_store->put_Value(kDefaultKey, profile == chosen);
        }
    }
    FillList();
}

// The suffix comes first, so that the overwrite question is about the file
// that will be written; the file is replaced only once the new one is whole.
void frmProfileManager::mnuExportToFile_Click()
{
    const QTreeWidgetItem* item = SelectedItem();
    if (!item || !m_store)
        return;
    const std::optional<std::string> chosen = ui::getSaveFileName(ProfileFileRequest(), this);
    if (!chosen)
        return;
    std::string path = *chosen;
    if (!HasProfileSuffix(path))
        path += kProfileSuffix;
    if (FileExists(path) &&
        ui::messageBox(this, Texts().LoadResString(TR_THIS_FILE_ALREADY_EXISTS_DO_YOU_WANT_TO_OVERWRITE_),
                       Texts().LoadResString(TR_CONFIRM_OVERWRITE), ui::MB_YESNO | ui::MB_ICONQUESTION) != ui::IDYES)
        return;

    TextResources result = TR_EXPORT_COMPLETE;
    try {
        runtime::Variant profile;
        runtime::Variant globalOptions;
        {
            StoreSelectionKeeper keeper(*m_store, kProfilesCategory, ProfileNumber(*item));
            profile = m_store->get_SectionData();
            m_store->put_Category(kGlobalOptionsCategory);
            globalOptions = m_store->get_CategoryData();
        }
        platform::system::writeWholeFile(path, ProfileExportBytes(profile, globalOptions));
    } catch (const runtime::RuntimeError&) {
        result = TR_EXPORT_FAILED;
    }
    ShowMessage(Texts().LoadResString(result), ui::MB_OK | ui::MB_ICONINFORMATION);
}

// Nothing in the store changes until the whole file has been read and a
// scratch store has taken both of its values.
void frmProfileManager::mnuImportFromFile_Click()
{
    if (!m_store)
        return;
    const std::optional<std::int16_t> profile = FreeProfileOrRefuse();
    if (!profile)
        return;
    const std::optional<std::string> path = ui::getOpenFileName(ProfileFileRequest(), this);
    if (!path)
        return;
    ProfileExportContent content = ReadProfileExport(platform::system::readWholeFile(*path, kLargestProfileExport));
    if (content.error == ProfileExportError::None) {
        const auto scratch = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        try {
            scratch->put_SectionData(content.profile);
            scratch->put_CategoryData(content.globalOptions);
        } catch (const runtime::RuntimeError&) {
            content.error = ProfileExportError::NotExportFile;
        }
    }
    if (content.error != ProfileExportError::None) {
        ShowMessage(ProfileExportErrorText(content.error), ui::MB_OK | ui::MB_ICONHAND);
        return;
    }

    const int answer = ui::messageBox(this, Texts().LoadResString(TR_THIS_IMPORT_FILE_CONTAINTS_GLOBAL_OPTION_SETTINGS),
                                      ProgramTitle(Texts()), ui::MB_YESNOCANCEL | ui::MB_HELP | ui::MB_DEFBUTTON2,
                                      {HelpPath(), kImportQuestionHelpContext});
    if (answer == ui::IDCANCEL)
        return;
    {
        StoreSelectionKeeper keeper(*m_store, kGlobalOptionsCategory, 0);
        if (answer == ui::IDYES)
            m_store->put_CategoryData(content.globalOptions);
        m_store->put_Category(kProfilesCategory);
        m_store->put_Section(*profile);
        m_store->put_SectionData(content.profile);
        m_store->put_Value(kDefaultKey, false);
        // A profile is listed by its name: one exported without a name is
        // named after its file.
        if (PreferenceText(*m_store, kProfileKey).empty()) {
            const std::string stem = std::filesystem::path(*path).stem().string();
            m_store->put_Value(kProfileKey, stem.empty() ? Texts().LoadResString(TR_MY_NEW_PROFILE) : stem);
        }
    }
    FillList();
}

void frmProfileManager::cmdReset_to_ORVEL_Click()
{
    const std::string question =
        Texts().LoadResString(TR_RESET_TO_ORVEL_SURE1) + "\r\n\r\n" + Texts().LoadResString(TR_RESET_TO_ORVEL_SURE2);
    if (ui::messageBox(this, question, Texts().LoadResString(TR_RESET_TO_ORVEL), ui::MB_OKCANCEL) == ui::IDOK)
        LoadPreferences();
}

void frmProfileManager::LoadPreferences()
{
    if (!m_store)
        return;
    bool replaced = false;
    try {
        runtime::Variant profile;
        if (ReadDefaultProfileFile(profile)) {
            m_store->put_Data(profile);
            replaced = true;
        }
    } catch (const runtime::RuntimeError&) {
        replaced = false;  // a damaged file, or content the store refuses: nothing changed
    }
    if (!replaced) {
        ShowMessage(Texts().LoadResString(TR_LOCALE_PROFILE_MISSING), ui::MB_OK | ui::MB_ICONHAND);
        return;
    }
    ModuleGlobals::SetPreferencesReset(true);
    FillList();
}

void frmProfileManager::cmdTempExport_Click()
{
    if (m_store)
        WriteStoreSnapshot(*m_store, GetModulePaths().programFolder + "/" + kStandardProfileFile);
}

void frmProfileManager::cmdOK_Click()
{
    OKPressed = true;
    accept();
}

void frmProfileManager::reject()
{
    OKPressed = false;
    QDialog::reject();
}

void frmProfileManager::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brisance

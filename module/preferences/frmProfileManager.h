#pragma once
// The dialog in which the user manages the profiles of view preferences kept
// in the preference store (category 0, section n = profile n, listed for
// sections 0 to 20): new, copy, rename, delete, set as default, edit in the
// preferences dialog, reset the whole store to the host's shared default
// profile, and export a profile with the global options to a ".profile" file
// or import one from it.
//
// The caller sets Preferences and CurrentProfile (in either order), shows the
// dialog modally and reads OKPressed. Every change reaches the store at once;
// OK and Cancel only hide the dialog, and a caller that wants Cancel to undo
// them keeps a snapshot of the store. A reset sets the module-wide
// preferences-reset flag. Developer buttons show while IsDebugMode is true.
// F1 opens help context 110.
//
// Edit shows the preferences dialog on the selected profile; PreferencesOpening
// hands that dialog to the caller just before it shows, so that the caller
// gives it what its own road to the dialog gives it (the open audiogram, and
// a listener for the tests edited on its palettes).

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "vellum/IVellumKeyedStore.h"
#endif

#include "module/preferences/frmPreferences.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QTreeWidgetItem;

namespace brisance {

class ListView;

class frmProfileManager : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 110;
    static constexpr int kImportQuestionHelpContext = 127;
    static constexpr std::int16_t kProfilesCategory = 0;
    static constexpr std::int16_t kGlobalOptionsCategory = 100;
    static constexpr std::int16_t kLastListedProfile = 20;
    // The developer export, below the program folder.
    static constexpr const char* kStandardProfileFile = "Data/New Standard Profile.dat";

    explicit frmProfileManager(QWidget* parent = nullptr);

    // The store to manage; fills the list.
    void Preferences(vellum::ComPtr<vellum::IVellumKeyedStore> store);
    // The profile in use: selected in the list, and never deleted.
    void CurrentProfile(std::int32_t profile);

    // Replaces the store's whole content by the host's shared default profile
    // and refills the list. When that file is missing or cannot be read (or
    // the store refuses it), shows TR_LOCALE_PROFILE_MISSING and changes
    // nothing.
    void LoadPreferences();

    // True after OK; False after Cancel or the close box.
    bool OKPressed = false;

    void reject() override;

signals:
    // Edit's preferences dialog, loaded and named, about to show modally.
    void PreferencesOpening(frmPreferences& dialog);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadCaptions();
    void PlaceControls();
    void FillList();
    QTreeWidgetItem* SelectedItem() const;
    static std::int16_t ProfileNumber(const QTreeWidgetItem& item);
    // The first section of 0 to 20 without a profile; after telling the user,
    // nothing when there is none.
    std::optional<std::int16_t> FreeProfileOrRefuse();
    // Refills the list and starts the label edit of the profile's item.
    void EditNewProfileName(std::int16_t profile);
    void ProfileRenamed(int row, const QString& typed);
    void ShowMessage(const std::string& text, std::uint32_t style);
    // Runs what the user asked for; a raised error is shown, and the dialog goes on.
    void Run(const std::function<void()>& command);

    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdMore_Click();
    void mnuCopy_Click();
    void mnuRename_Click();
    void mnuDelete_Click();
    void mnuDefault_Click();
    void mnuExportToFile_Click();
    void mnuImportFromFile_Click();
    void cmdReset_to_ORVEL_Click();
    void cmdTempExport_Click();
    void cmdOK_Click();

    vellum::ComPtr<vellum::IVellumKeyedStore> m_store;
    std::int32_t m_currentProfile = -1;

    QLabel* lblAvailableProfiles;
    ListView* lvwProfiles;
    QPushButton* cmdNew;
    QPushButton* cmdEdit;
    QPushButton* cmdMore;
    QPushButton* cmdReset_to_ORVEL;
    QPushButton* cmdTemp;
    QPushButton* cmdTempExport;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace brisance

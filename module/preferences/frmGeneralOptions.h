#pragma once
// The options that hold across all profiles, on four tabs: the pure-tone and
// the speech tests (New, Edit, Delete), the pure-tone average (the
// frequencies averaged, those counted twice, and the curves whose average
// shows), and the orientation of the graph data.
//
// The options live in the preference store's category 100, section 0:
// "GENRightOnLeft" (missing reads True), "PTAvg1", "PTAvg2" and "PTAvgTests"
// (masks, bit n for the box of index n; the frequency boxes follow
// vellum::kAverageFrequencies). The tests are the module's curve
// preferences: the dialog edits them in place and stores them at OK and
// Apply; Cancel (and the close box, as Cancel) loads them back from the store.
//
// The caller sets Preferences and ImageList, calls LoadPreferences (and
// ShowTab), shows the dialog modally and reads OKPressed. OK and Apply raise
// ApplyButton after saving; OK and Cancel only hide the dialog. F1 opens help
// context 112, 111, 113 or 114 by tab.

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "module/core/CCurvePref.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/com/ComPtr.h"
#include "platform/gfx/ImageList.h"
#endif

#include <QDialog>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabBar;
class QTreeWidgetItem;

namespace brisance {

class ListView;

class frmGeneralOptions : public QDialog {
    Q_OBJECT

public:
    static constexpr std::int16_t kCategory = 100;
    static constexpr std::int16_t kSection = 0;

    explicit frmGeneralOptions(QWidget* parent = nullptr);

    void Preferences(vellum::ComPtr<vellum::IVellumKeyedStore> store) { m_store = std::move(store); }
    // The symbol images that the test-properties dialog draws and picks from.
    void ImageList(platform::com::ComPtr<platform::gfx::ImageList> images) { m_images = std::move(images); }

    // Fills the options from the store; the store's selection is put back.
    void LoadPreferences();
    // Selects the tab at the 1-based position and shows its page.
    void ShowTab(int NewTab);
    // Shows the page of the selected tab, and on a test tab its tests.
    void ShowSelectedTab();
    // Writes the four options; the store's selection is put back.
    void SaveGeneralOptions();

    // True after OK; False after Cancel or the close box.
    bool OKPressed = false;

    void reject() override;

signals:
    // OK or Apply saved the options; testsDeleted is True once a test was
    // deleted in this dialog, and stays True.
    void ApplyButton(bool testsDeleted);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateTestControls();
    void CreateAveragePage();
    void CreateGeneralPage();
    void LoadCaptions();
    void PlaceControls();
    // The key of the selected tab ("PURETONE", "SPEECH", "PTA", "GENERAL").
    std::string SelectedTabKey() const;
    // The kind of test listed: speech on the "SPEECH" tab, else pure tone.
    CurvePrefType SelectedKind() const;
    void RefillTests();
    // A frequency counts twice only when it counts at all.
    void FollowFrequency(std::size_t index);
    QTreeWidgetItem* SelectedRow() const;

    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void Apply();

    vellum::ComPtr<vellum::IVellumKeyedStore> m_store;
    platform::com::ComPtr<platform::gfx::ImageList> m_images;
    bool m_testsDeleted = false;

    QLabel* lblDialogDescription;
    QTabBar* tabMain;
    QFrame* fraTabClient;
    std::array<QWidget*, 4> picTab;
    ListView* lvwTests;
    QPushButton* cmdNew;
    QPushButton* cmdEdit;
    QPushButton* cmdDelete;
    QGroupBox* fraWeight;
    QGroupBox* fraDoubleWeight;
    QGroupBox* fraPTAToDisplay;
    std::vector<QCheckBox*> chkFreq;
    std::vector<QCheckBox*> chkFreqDbl;
    std::vector<QCheckBox*> chkPTA;
    QGroupBox* fraGraphOrient;
    std::array<QRadioButton*, 2> optOrientation;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;
};

}  // namespace brisance

#pragma once
// The dialog of one profile's view preferences: which panels the pure-tone,
// speech and impedance views show ("PTPanels", "SPPanels", "IMPanels"),
// whether the speech view is a graph or a table ("SPShowGraph"), and buttons
// that open the option pages and the palette configuration of each view.
// The palette button edits the palette of the profile being edited, and
// writes it there only when the palette dialog closes with OK.
//
// The caller positions the preference store at category 0 and the profile's
// section, sets Preferences, calls LoadPreferences, sets ProfileName,
// optionally ShowTab (1 pure tone, 2 speech, 3 impedance), and shows the
// dialog modally. OK and Apply write the dialog's four keys and raise
// ApplyButton; OK then closes the dialog; Cancel and the close box write
// nothing. Each page writes its own keys on its own OK, whatever the dialog
// does afterwards. F1 opens help context 103, 104 or 105 by tab.
//
// A store that fails while OK or Apply writes, or while a page loads, is
// reported in a stop box, and the dialog stays open with the keys written so
// far in place.

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"
#endif

#include <QDialog>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabBar;
class QFrame;

namespace brisance {

class OptionPage;
class SectionPanel;

class frmPreferences : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPureToneHelpContext = 103;
    static constexpr int kSpeechHelpContext = 104;
    static constexpr int kImpedanceHelpContext = 105;

    explicit frmPreferences(QWidget* parent = nullptr);
    ~frmPreferences() override;

    void Preferences(vellum::ComPtr<vellum::IVellumKeyedStore> store) { m_store = std::move(store); }
    const vellum::ComPtr<vellum::IVellumKeyedStore>& Preferences() const { return m_store; }
    // The open audiogram: a test with results in it cannot be taken off a
    // palette here. None: every test can.
    void DataLayer(vellum::ComPtr<vellum::IVellumDataLayer> data) { m_data = std::move(data); }

    // Shows the name in the caption.
    void ProfileName(const std::string& name);

    // Sets the controls from the dialog's keys; needs Preferences.
    void LoadPreferences();
    // Writes PTPanels, SPShowGraph, SPPanels and IMPanels, in that order.
    void SavePreferences();

    // Selects tab 1, 2 or 3 and arranges its controls; another number leaves
    // the selection as it is.
    void ShowTab(std::int16_t NewTab);

signals:
    // The dialog's keys were written by OK or Apply.
    void ApplyButton();
    // A test of the module was edited in the palette configuration (More...),
    // whatever closed it; the caller stores the tests.
    void TestSettingsChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreatePureToneAndSpeechPanel();
    void CreateImpedancePanel();
    void LayOut();
    QString SelectedTabKey() const;
    void ArrangeTabControls();
    void optSpeechGraph_Click();
    void cmdOK_Click();
    void cmdApply_Click();
    // Writes the keys and raises ApplyButton; false when the store failed.
    bool ApplyPreferences();
    // Opens a page on this dialog's store.
    void ShowPage(OptionPage& page);
    void cmdPTGraphLayout_Click();
    void cmdTestDataOptions_Click();
    void cmdNotesOptions_Click();
    void cmdARTOptions_Click(std::int32_t mode);
    void cmdTympanometry_Click();
    void cmdPalette_Click();

    vellum::ComPtr<vellum::IVellumKeyedStore> m_store;
    vellum::ComPtr<vellum::IVellumDataLayer> m_data;

    QTabBar* tabMain;
    QFrame* fraTabClient;
    SectionPanel* picOptions;
    SectionPanel* picImpedanceOptions;

    QLabel* lblGraphLayout;
    QLabel* lblGraphMsg;
    QPushButton* cmdPTGraphLayout;
    std::vector<QRadioButton*> optSpeechGraph;
    QLabel* lblTestDataTable;
    QLabel* lblTestDataMsg;
    QCheckBox* chkPTShowTestData;
    QCheckBox* chkSPShowTestData;
    QPushButton* cmdTestDataOptions;
    QLabel* lblPureToneAverage;
    QCheckBox* chkPTShowPTA;
    QCheckBox* chkSPShowPTA;
    QLabel* lblNotes;
    QLabel* lblNotesMessage;
    QLabel* lblSPNotesMessage;
    QCheckBox* chkPTShowNotes;
    QCheckBox* chkSPShowNotes;
    std::vector<QPushButton*> cmdNotesOptions;
    QLabel* lblTestPalette;
    QPushButton* cmdPalette;

    QLabel* lblCART;
    QCheckBox* chkShowCART;
    QLabel* lblIART;
    QCheckBox* chkShowIART;
    std::vector<QPushButton*> cmdARTOptions;
    QLabel* lblTympanometry;
    QCheckBox* chkShowTymp;
    QPushButton* cmdTympanometry;
    QLabel* lblImpedanceNotes;
    QLabel* lblImpedanceNotesMsg;
    QCheckBox* chkShowImpedanceNotes;

    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;
};

}  // namespace brisance

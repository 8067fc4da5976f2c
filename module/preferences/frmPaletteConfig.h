#pragma once
// The dialog in which the user chooses the tests that a view's palette
// offers: at most eight, taken from the module's tests of one kind (pure tone
// or speech). The chosen tests show as palette buttons, or, for the speech
// view in table mode, as rows of a list, where binaural items are not listed
// but still count and are kept.
//
// The caller sets CurveType, ShowPalette, CurvePrefs and PaletteItems (and
// Preferences when it stores the palette), calls LoadTestData, shows the
// dialog modally and reads OKPressed. The dialog edits the caller's palette
// items in place; Cancel (and the close box, as Cancel) puts them back as
// they were handed in, with their IDs, flags and order. OK and Cancel only
// hide the dialog. F1 opens help context 109.

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "module/core/CCurvePref.h"
#include "vellum/IVellumKeyedStore.h"
#endif

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidgetItem;

namespace brisance {

class CCurvePrefs;
class CPaletteItem;
class CPaletteItems;
class CurvePalette;
class ListView;

class frmPaletteConfig : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 109;
    // The most items a palette holds, binaural ones included.
    static constexpr std::int32_t kMaxItems = 8;

    explicit frmPaletteConfig(QWidget* parent = nullptr);
    ~frmPaletteConfig() override;

    // The kind of test offered (a CurvePrefType): 0 pure tone, any other
    // value speech. It also chooses the stored keys ("PT…" or "SP…").
    std::int32_t CurveType() const { return m_curveType; }
    void CurveType(std::int32_t type) { m_curveType = type; }
    // The module's tests; the test-properties dialog opened by More may
    // change the one shown.
    void CurvePrefs(std::shared_ptr<const CCurvePrefs> prefs) { m_curvePrefs = std::move(prefs); }
    // The palette items edited; a copy is kept for Cancel.
    void PaletteItems(std::shared_ptr<CPaletteItems> items);
    // True shows the chosen tests as palette buttons, False as list rows.
    bool ShowPalette() const { return m_showPalette; }
    void ShowPalette(bool show);
    // The store that SavePaletteButtonsIntoPrefs writes to, positioned by the caller.
    void Preferences(vellum::ComPtr<vellum::IVellumKeyedStore> store) { m_store = std::move(store); }

    // Writes the palette at the store's position: "PTPalButtons" (or
    // "SPPalButtons") the items' keys, and the same key + "Binaural" their
    // binaural flags ("True"/"False"), each entry followed by ",".
    void SavePaletteButtonsIntoPrefs();
    // Lists the tests of the kind and shows the chosen ones.
    void LoadTestData();

    // True after OK; False after Cancel or the close box.
    bool OKPressed = false;
    // True once More... changed a test (in the module's tests, whatever
    // closes this dialog); the caller stores the tests.
    bool TestEdited = false;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadCaptions();
    void PlaceControls();
    bool SpeechKind() const { return m_curveType != PrefType_PureTone; }
    // Shows the chosen items again: the palette's buttons or the list's rows.
    void RefreshDisplay();
    void RefreshSelectedList();
    void ShowTestDetails(const QString& caption, std::shared_ptr<CCurvePref> test);
    void UpdateAddState();

    void lvwTests_ItemClick(const QTreeWidgetItem& row);
    void lvwSelectedTests_ItemClick(const QTreeWidgetItem& row);
    void PAL_ButtonChange();
    void cmdAddToPalette_Click();
    void cmdRemove_Click();
    void cmdMore_Click();
    void cmdOK_Click();
    // The item that Remove takes: the pressed button's, or the selected row's
    // not-binaural item; null when there is none.
    std::shared_ptr<CPaletteItem> ItemToRemove() const;

    std::int32_t m_curveType = PrefType_PureTone;
    std::shared_ptr<const CCurvePrefs> m_curvePrefs;
    std::shared_ptr<CPaletteItems> m_paletteItems;
    std::unique_ptr<CPaletteItems> m_savedItems;
    bool m_showPalette = false;
    vellum::ComPtr<vellum::IVellumKeyedStore> m_store;
    // The test whose details show, and which More edits.
    std::shared_ptr<CCurvePref> m_currentTest;

    std::array<QLabel*, 2> lblTestNotation;
    ListView* lvwTests;
    ListView* lvwSelectedTests;
    CurvePalette* PAL;
    std::array<QPushButton*, 1> cmdAddToPalette;
    QPushButton* cmdRemove;
    QPushButton* cmdMore;
    QGroupBox* fraTestDetails;
    QLabel* lblTestDetails;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace brisance

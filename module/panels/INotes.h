#pragma once
// The notes panel that each test view shows beside its charts: the
// audiometer (make, model and serial), its calibration date, the test method,
// the test reliability, two fields that the user names and free comments.
//
// A note type 0 to 6 names a field: 0 make (cboMake, a drop-down list), 1
// calibration date (txtCalibrationDate), 2 method, 3 reliability, 4 and 5 the
// user fields (editable combos offering their recent entries, with
// type-ahead), 6 comments (txtComments, multi-line). The members that take a
// note type raise the runtime's error 9 (subscript out of range) for any
// other and then change nothing.
//
// Every change of a field's data raises DataChanged(NoteType) while tracking
// is on, whether the user or code made it. The panel's own code keeps it off
// while it fills the fields: Clear raises nothing, SetNoteTypeText raises
// DataChanged(0) once whatever the note type, and refilling a list
// (LoadAudiometers, LoadMRUList) reports nothing by itself.
//
// Choosing a make, by the user or by code, fills in its calibration date from
// the audiometer list in the preference store (category 1000, section 0: one
// value per audiometer, its name as key and its calibration date as text).
// Store failures reach the caller of the member that read the store, and the
// store's own category and section are selected again on every exit; a
// failure of a choice the user made is shown to the user.

#include "module/panels/FramedPanel.h"

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "module/panels/CMRUList.h"
#include "vellum/IVellumKeyedStore.h"
#endif

#include <array>
#include <cstdint>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace brisance {

class CQuickFillComboEdit;

class INotes final : public FramedPanel {
    Q_OBJECT

public:
    static constexpr std::int32_t kNoteTypeCount = 7;

    explicit INotes(QWidget* parent = nullptr);
    ~INotes() override;

    // Empties every field, the make's selection included, and unlocks the
    // calibration date. Raises nothing.
    void Clear();

    // Adds the texts of the four editable combos (those not empty) to the
    // fronts of their recent-entry lists and stores the lists, under
    // "Method", "Reliability", "User1" and "User2", in the preference store's
    // category and section given. Returns false.
    bool SaveToMRUList(std::int32_t Category, std::int32_t Section);
    // Loads the four lists from there and refills each combo's items with the
    // list's non-empty entries; the typed texts stay. Returns false.
    bool LoadMRUList(std::int32_t Category, std::int32_t Section);

    // Shows or hides a field with its label and lays the fields out again.
    void ShowNoteType(std::int32_t NoteType, bool blnShow);

    // Sets a field's text. For the make: selects the first item equal to Text
    // (exactly); adds Text and selects it when there is none and Text is not
    // blank; an empty Text keeps the selection.
    void SetNoteTypeText(std::int32_t NoteType, const std::string& Text);
    // A field's text; the selected item's for the make, "" with none selected.
    std::string GetNoteTypeText(std::int32_t NoteType) const;

    // A field's label. While a user field has its user's own name
    // (UserDefined1, UserDefined2), setting its label changes nothing.
    void SetNoteTypeLabel(std::int32_t NoteType, const std::string& Label);
    std::string GetNoteTypeLabel(std::int32_t NoteType) const;

    // The panel's caption on its frame line; "Notes" at first.
    std::string Caption() const;
    void Caption(const std::string& text);

    // The preference store of the audiometer list and the recent-entry lists.
    void Prefs(vellum::ComPtr<vellum::IVellumKeyedStore> store);

    // Refills the make's list from the audiometer list, in the store's order.
    // A selected make that is still listed is selected again (so its date is
    // read again and both changes are reported); one that is not is dropped.
    void LoadAudiometers();

    // The user's own names of the two user fields ("" when not set); a let
    // also sets the field's label, to "" too.
    std::string UserDefined1() const { return m_userDefined[0]; }
    void UserDefined1(const std::string& name);
    std::string UserDefined2() const { return m_userDefined[1]; }
    void UserDefined2(const std::string& name);

signals:
    void DataChanged(std::int32_t NoteType);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static void checkNoteType(std::int32_t NoteType);
    vellum::IVellumKeyedStore& prefs() const;

    void selectMake(int index);
    void makeSelectionChanged();
    void cboMake_Click();
    static void FillComboFromList(QComboBox& combo, const CMRUList& list);
    void setUserDefined(int field, const std::string& name);
    void setLabelText(std::int32_t NoteType, const std::string& text);
    void LayoutFields();
    void LayoutWidths();

    QComboBox* cboMake;
    QLineEdit* txtCalibrationDate;
    QComboBox* cboTestMethod;
    QComboBox* cboTestReliability;
    QComboBox* cboUser1;
    QComboBox* cboUser2;
    QPlainTextEdit* txtComments;

    // By note type.
    std::array<QWidget*, kNoteTypeCount> m_fields;
    std::array<QLabel*, kNoteTypeCount> m_labels;
    std::array<bool, kNoteTypeCount> m_shown;

    // Method, reliability, user field 1, user field 2: note types 2 to 5.
    std::array<QComboBox*, 4> m_recentCombos;
    std::array<CMRUList, 4> m_recentLists;
    std::array<CQuickFillComboEdit*, 4> m_quickFills;

    vellum::ComPtr<vellum::IVellumKeyedStore> m_prefs;
    // DataChanged is raised only while tracking is on; the panel's own code
    // turns it off while it fills its fields.
    bool m_tracking = false;
    // A change of the make's list or selection made by code, which runs
    // cboMake_Click itself where a selection needs it.
    bool m_selectingMakeByCode = false;
    std::array<std::string, 2> m_userDefined;
};

}  // namespace brisance

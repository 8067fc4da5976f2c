#pragma once
// The option page of the fields that a view's notes panel shows, and of the
// names of its two user-defined fields. Mode 0, 1 and 2 are the pure-tone,
// speech and impedance notes, with the key prefix "PT", "SP" or "IP": the
// prefix + "NoteFields" holds the shown fields as a mask, "User1" and "User2"
// the names. Fields that a mode does not offer keep the bits they loaded.
// F1: help context 122.

#include "module/preferences/OptionPage.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brisance {

class frmPrefNotes : public OptionPage {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 122;
    static constexpr int kFields = 7;

    frmPrefNotes();

    std::int32_t Mode() const { return m_mode; }
    // Shows the fields that the mode offers and arranges them.
    void Mode(std::int32_t mode);

    void LoadPreferences() override;

protected:
    void SavePreferences() override;

private:
    void ArrangeCheckBoxes();
    std::string Prefix() const;
    // A user field's box changed: its customise button follows it.
    void chkNoteField_Click(std::size_t index);
    void cmdCustomize_Click(std::size_t index);

    std::int32_t m_mode = 0;
    QGroupBox* fraMain;
    std::vector<QCheckBox*> chkNoteField = std::vector<QCheckBox*>(kFields);
    std::vector<QPushButton*> cmdCustomize = std::vector<QPushButton*>(2);
};

}  // namespace brisance

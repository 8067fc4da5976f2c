#pragma once
// The dialog in which the user defines a new pure-tone or speech test: a test
// type, a transducer, for speech a word list, an aided condition, and the
// test's label. The chosen codes make the test's notation key; OK adds a test
// under that key to the module's curve preferences and fills its identity
// fields, or refuses a key already taken and stays open with its choices.
//
// The caller sets Mode, shows the dialog modally and reads OKPressed; OK and
// Cancel (and the close box, as Cancel) only hide the dialog. Saving the
// curve preferences is the caller's business. F1 opens help context 126.

#include "module/core/CCurvePref.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brisance {

class frmNewTest : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 126;

    explicit frmNewTest(QWidget* parent = nullptr);

    // The kind of test: 0 pure tone, any other value speech; the word list is
    // offered for exactly 1. Setting it fills the combo boxes for that kind.
    std::int32_t Mode() const { return m_mode; }
    void Mode(std::int32_t mode);

    void LoadStrings();

    // True after OK has added a test; False after Cancel.
    bool OKPressed = false;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool IsSpeech() const { return m_mode != PrefType_PureTone; }
    void FillCombos();
    void PlaceControls();
    void cboTestType_Click();
    // The notation key of the chosen entries; "" while one is not chosen.
    std::string BuildKey() const;
    void UpdateOKState();
    void cmdOK_Click();

    std::int32_t m_mode = PrefType_PureTone;

    QGroupBox* fraNewTest;
    QLabel* lblNotation;
    QLabel* lblTestType;
    QLabel* lblTransducerType;
    QLabel* lblAidedCondition;
    QLabel* lblWordList;
    QLineEdit* txtNotation;
    QComboBox* cboTestType;
    QComboBox* cboTransducer;
    QComboBox* cboAidedCondition;
    QComboBox* cboWordList;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace brisance

#pragma once
// The driver's set-up: which audiometer and tympanometer are connected, on
// which ports and with which line settings. The dialog edits a copy of the
// settings; choosing another model first keeps the edits in the previous
// model's record. OK runs the port check on what was entered: when it fails,
// a box shows the last error and the audiometer's port set-up opens (the
// tympanometer's when there is no audiometer), and nothing is saved; when it
// passes, the settings are stored and saved and the dialog ends. Cancel
// stores nothing; only the port set-up's OK saves the port records at once.
//
// Object names: for each side ("Audiometer", "Tympanometer") <side>Model,
// <side>Port, <side>Baud, <side>BitsParity, <side>PortSetup; for the
// audiometer also the flow buttons "AudiometerCtsRts", "AudiometerXonXoff",
// the stop-bit buttons "Audiometer1Bit", "Audiometer2Bits" and "AdvSetup".

#include "driver/Settings.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace marlet {

class DriverLibrary;

class SetupDialog : public QDialog {
public:
    SetupDialog(DriverLibrary& library, QWidget* parent);

    // The dialogs this one opened and that are still open.
    QDialog* portSetupDialog() const { return m_portSetup; }
    QDialog* advancedSetupDialog() const { return m_advanced; }

private:
    struct Side {
        QComboBox* model = nullptr;
        QComboBox* port = nullptr;
        QComboBox* baud = nullptr;
        QComboBox* bitsParity = nullptr;
        QPushButton* portSetup = nullptr;
        QRadioButton* ctsRts = nullptr;  // the audiometer's only
        QRadioButton* xonXoff = nullptr;
        QRadioButton* oneBit = nullptr;
        QRadioButton* twoBits = nullptr;
        ModelIndex shown = ModelNone;  // the model whose record the lists show
    };

    QGroupBox* makeSide(Side& side, const char* name, int captionId, bool lineButtons);
    void modelChosen(Side& side);
    void fill(Side& side);
    void store(const Side& side, SettingsValues& values) const;
    SettingsValues entered() const;
    void openPortSetup(const Side& side);
    void openAdvancedSetup();
    void checkAndAccept();

    DriverLibrary& m_library;
    SettingsValues m_values;
    Side m_audiometer;
    Side m_tympanometer;
    QPushButton* m_advSetup = nullptr;
    QPointer<QDialog> m_portSetup;
    QPointer<QDialog> m_advanced;
};

}  // namespace marlet

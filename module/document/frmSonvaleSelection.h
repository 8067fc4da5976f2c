#pragma once
// The instrument-link set-up dialog: the drivers that the link has
// registered, each a row of lvwDrivers keyed "K" + its Index (its Tag the
// Index); Setup opens the selected driver's own settings, New installs a
// driver from the "install.ini" the user picks. F1 opens help context 125.
//
// The caller sets AudiController, calls LoadSonvaleDrivers and shows the
// dialog modally; OK hides it. It keeps nothing after it closes.

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the link's interfaces bring in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "PelmSonvale/ISonvaleController.h"
#include "platform/com/ComPtr.h"
#endif

#include <QDialog>

#include <string>

class QPushButton;

namespace brisance {

class ListView;

class frmSonvaleSelection : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 125;

    explicit frmSonvaleSelection(QWidget* parent = nullptr);

    void AudiController(platform::com::ComPtr<pelmsonvale::ISonvaleController> controller);
    // The rows again from the controller's list; raises what the link raises.
    void LoadSonvaleDrivers();

    ListView* lvwDrivers;
    QPushButton* cmdNew;
    QPushButton* cmdSetup;
    QPushButton* cmdOK;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdNew_Click();
    // Asks before replacing an installed driver; an installation that does
    // not start is reported with its code and gives false.
    bool InstallDriverFrom(const std::string& iniPath);
    void cmdSetup_Click();

    platform::com::ComPtr<pelmsonvale::ISonvaleController> m_controller;
};

}  // namespace brisance

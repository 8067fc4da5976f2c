#pragma once
// The connection sequence and the set-up of a driver with a user interface:
// connect checks and opens the selected instruments' ports and shows the
// status dialog in the caller's window; release closes the ports, destroys
// the status dialog (and a pick-curve dialog still open) and saves the
// settings; set-up shows the set-up dialog modally.
//
// All three run on the user-interface thread of a Qt application; without
// one, connect and set-up fail (the last error says "Not supported.").

#include "driver/Session.h"

#include <QPointer>

namespace marlet {

class CCurvesDialog;

class ConnectionSession final : public Session {
public:
    ~ConnectionSession() override;

    bool connect(DriverLibrary& library, WindowHandle parent) override;
    void release(DriverLibrary& library) override;
    bool showSetup(DriverLibrary& library, WindowHandle parent) override;

private:
    QPointer<CCurvesDialog> m_dialog;
};

}  // namespace marlet

#pragma once
// What connect, release and set-up hand over to: the connection sequence with
// its status dialog, and the set-up dialogs (ConnectionSession). The library's
// exported functions keep the connected state and the results; a session does
// the work.

#include "marlet/DriverExports.h"

namespace marlet {

class DriverLibrary;

class Session {
public:
    virtual ~Session() = default;

    // Checks and opens the selected instruments' ports and shows the status
    // dialog. False, with the last error recorded, when that failed.
    virtual bool connect(DriverLibrary& library, WindowHandle parent) = 0;
    virtual void release(DriverLibrary& library) = 0;
    // Shows the set-up dialog modally. False when it could not be shown.
    virtual bool showSetup(DriverLibrary& library, WindowHandle parent) = 0;
};

}  // namespace marlet

#include "driver/Session.h"

#include "driver/DriverLibrary.h"

namespace marlet {

bool UnavailableSession::connect(DriverLibrary& library, WindowHandle)
{
    library.lastError().recordSerialError(ErrorNotSupported);
    return false;
}

void UnavailableSession::release(DriverLibrary&) {}

bool UnavailableSession::showSetup(DriverLibrary& library, WindowHandle)
{
    library.lastError().recordSerialError(ErrorNotSupported);
    return false;
}

}  // namespace marlet

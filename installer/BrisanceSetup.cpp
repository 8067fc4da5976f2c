#include "installer/BrisanceSetup.h"

#include "installer/CCmdLineArgs.h"
#include "installer/Installation.h"
#include "installer/SetupMessages.h"
#include "installer/SetupOptions.h"

#include <string>

namespace installer {

int runSetup(std::string_view commandLine)
{
    return runSetup(commandLine, realHost());
}

int runSetup(std::string_view commandLine, const HostAccess& host)
{
    const CCmdLineArgs arguments(commandLine);
    const SetupOptions options = parseOptions(arguments);
    SetupMessages messages;
    for (int i = 0; i < options.usageRequests; ++i)
        messages.showUsage();
    const bool installed =
        installModule(options, host, [&](std::string_view message) { messages.showFailure(std::string(message)); });
    return installed ? 0 : 1;
}

}  // namespace installer

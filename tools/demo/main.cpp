// brisance-demo: adds the demo client to this machine's host, with three
// visits recorded through the installed audiogram module. Needs the module
// installed (brisance-setup) and the component servers registered; does
// nothing when the demo client is there already. Never shows a window.
//
//     brisance-demo

#include "tools/demo/DemoClient.h"

#include "host/DefaultProfilePlacement.h"
#include "host/HostContext.h"
#include "host/HostDatabase.h"
#include "host/HostServer.h"
#include "host/window/HostWindow.h"

#include "platform/com/HResult.h"
#include "platform/runtime/RuntimeError.h"

#include <QApplication>

#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc > 1) {
        std::cerr << "usage: brisance-demo\n"
                     "Adds the demo client (number " << demo::kDemoClientNo
                  << ") with three visits to the host of the machine root named by BRISANCE_MACHINE_ROOT.\n";
        return std::string_view(argv[1]) == "--help" ? 0 : 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        if (std::string why; platform::com::failed(host::registerHostServer(&why))) {
            std::cerr << "brisance-demo: the host's classes cannot be registered: " << why << '\n';
            return 1;
        }
        host::placeDefaultProfile();
        host::HostDatabase& database = *host::HostContext::current().database();
        if (database.users().empty()) database.addUser({.initials = "ADM", .name = {}});

        const auto client = demo::addDemoClient(database);
        if (!client) {
            std::cout << "The demo client " << demo::kDemoClientNo << " was there already.\n";
            return 0;
        }
        host::HostWindow window;
        for (const std::string& said : demo::recordDemoVisits(window, *client))
            std::cerr << "brisance-demo: the module said: " << said << '\n';
        std::cout << "The demo client " << demo::kDemoClientNo << " was made.\n";
        return 0;
    } catch (const platform::runtime::RuntimeError& error) {
        std::cerr << "brisance-demo: " << error.description() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "brisance-demo: " << error.what() << '\n';
    }
    return 1;
}

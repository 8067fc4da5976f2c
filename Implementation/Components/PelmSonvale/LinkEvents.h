#pragma once
// The five events of the connect and release handshakes between the client's
// thread and the measuring worker. They are named, and so shared by whoever
// opens them in this process; they are not visible to other processes, so two
// processes measuring at once never signal each other.

#include "platform/system/Event.h"

#include <memory>

namespace pelmsonvale {

struct LinkEvents {
    // Worker -> client: start-up finished.
    std::shared_ptr<platform::system::Event> startupSync;
    // Worker -> client: the worker has ended.
    std::shared_ptr<platform::system::Event> stopSync;
    // Worker -> client: connect the driver on your thread.
    std::shared_ptr<platform::system::Event> doConnect;
    // Worker -> client: release the driver on your thread.
    std::shared_ptr<platform::system::Event> doRelease;
    // Client -> worker: the connect or release call has returned.
    std::shared_ptr<platform::system::Event> done;
};

// Opens (or creates) all five, auto-reset and not set when created.
LinkEvents openLinkEvents();

}  // namespace pelmsonvale

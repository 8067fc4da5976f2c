#pragma once
// Registering a built server library in the benchmark's machine root, so that
// creation by class id finds its classes. A benchmark cannot run without it,
// so a failure throws.

#include "platform/com/ServerLibraries.h"

#include <stdexcept>
#include <string>

namespace bench {

inline void registerServer(const char* path)
{
    namespace com = platform::com;
    com::ServerEntryPoints server;
    std::string error;
    if (com::failed(com::loadServer(path, &server, &error)) || !server.registerServer ||
        com::failed(server.registerServer()))
        throw std::runtime_error(std::string("cannot register ") + path + ": " + error);
}

}  // namespace bench

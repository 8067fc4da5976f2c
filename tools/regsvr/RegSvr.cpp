// brisance-regsvr: registers or unregisters the classes of an in-process
// server library, as an installer or a developer does.
//
//     brisance-regsvr [-u] [-s] <library>
//
// -u unregisters instead of registering; -s prints nothing on success.
// The exit status is 0 on success, 1 on a failure (reported on stderr), 2 on
// a wrong command line.

#include "platform/com/ServerLibraries.h"

#include <filesystem>
#include <iostream>
#include <string_view>

namespace {

using namespace platform::com;

constexpr const char* kUsage = "usage: brisance-regsvr [-u] [-s] <library>\n";

struct Options {
    bool unregister = false;
    bool silent = false;
    std::filesystem::path library;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-u")
            options.unregister = true;
        else if (argument == "-s")
            options.silent = true;
        else if (argument.starts_with('-') || !options.library.empty())
            return false;
        else
            options.library = argument;
    }
    return !options.library.empty();
}

int run(const Options& options)
{
    // The registered path must name the library from anywhere.
    const auto library = std::filesystem::absolute(options.library);
    ServerEntryPoints server;
    std::string error;
    if (const HRESULT hr = loadServer(library, &server, &error); failed(hr)) {
        std::cerr << "brisance-regsvr: " << error << " (" << describe(hr) << ")\n";
        return 1;
    }
    const auto entryPoint = options.unregister ? server.unregisterServer : server.registerServer;
    const char* name = options.unregister ? kUnregisterServerName : kRegisterServerName;
    if (!entryPoint) {
        std::cerr << "brisance-regsvr: " << library.string() << " has no " << name << " entry point\n";
        return 1;
    }
    if (const HRESULT hr = entryPoint(); failed(hr)) {
        std::cerr << "brisance-regsvr: " << name << " in " << library.string() << " failed: " << describe(hr) << "\n";
        return 1;
    }
    if (!options.silent) std::cout << name << " in " << library.string() << " succeeded.\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    return run(options);
}

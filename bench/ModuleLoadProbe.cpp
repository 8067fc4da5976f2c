// Loads the Brisance library into a process that has not loaded it, as the
// host does when it creates the module's first object, and runs its start-up
// (the first read of its paths). Prints the time both took, in nanoseconds.
//
// Like the host, the probe has Qt and the platform layer loaded already; it
// does not link Brisance, so the load is the library's own.
//
//     module_load_probe <path of libbrisance.so>

#include "platform/system/Library.h"

#include <QGuiApplication>

#include <chrono>
#include <iostream>

namespace {

// brisance::GetModulePaths(), looked up by its symbol name: the probe must not
// link the library to call it. Returns a reference, ignored here.
constexpr const char* kStartUpSymbol = "_ZN8brisance14GetModulePathsEv";
using StartUp = const void*();

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: module_load_probe <library>\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const auto start = std::chrono::steady_clock::now();
    platform::system::Library library(argv[1]);
    auto* startUp = library.function<StartUp>(kStartUpSymbol);
    if (!startUp) {
        std::cerr << "module_load_probe: " << (library.isLoaded() ? "no start-up in the library" : library.error())
                  << '\n';
        return 1;
    }
    startUp();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::cout << std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count() << '\n';
    return 0;
}

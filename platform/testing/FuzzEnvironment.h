#pragma once
// What a fuzz target sets up before its first input, for the life of the
// process: a machine root of its own (a fresh temporary folder for the
// registry and files), and for readers that draw, a QApplication on the
// offscreen platform.

#include "platform/testing/TemporaryFolder.h"

#include <QApplication>

namespace platform::testing {

inline void useFuzzingMachine()
{
    static const ScopedMachineRoot machineRoot;
}

inline void useFuzzingApplication()
{
    useFuzzingMachine();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static const QApplication application(argc, argv);
}

}  // namespace platform::testing

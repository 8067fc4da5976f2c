// The main of every test program: each process gets its own temporary machine
// root, so tests never touch the user's state and may run in parallel.

#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#ifdef BRISANCE_TEST_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    platform::testing::ScopedMachineRoot machineRoot;
#ifdef BRISANCE_TEST_WITH_QT
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}

// The main of every test program: each test gets its own temporary machine
// root, so tests never touch the user's state, may run in parallel, and find
// the same fresh machine whether ctest starts a process per test or the
// program runs whole, in any order.

#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#ifdef BRISANCE_TEST_WITH_QT
#include <QApplication>
#endif

#include <memory>

namespace {

class MachineRootPerTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        m_machineRoot = std::make_unique<platform::testing::ScopedMachineRoot>();
    }
    void OnTestEnd(const ::testing::TestInfo&) override { m_machineRoot.reset(); }

    std::unique_ptr<platform::testing::ScopedMachineRoot> m_machineRoot;
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // What runs outside a test (a QApplication) has a machine root too.
    platform::testing::ScopedMachineRoot machineRoot;
    ::testing::UnitTest::GetInstance()->listeners().Append(new MachineRootPerTest);
#ifdef BRISANCE_TEST_WITH_QT
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}

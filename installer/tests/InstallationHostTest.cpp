// The installer against the host stand-in, in this test's machine root: in
// process through creation by class id, and as the built program.

#include "installer/BrisanceSetup.h"

#include "host/ModuleCatalog.h"
#include "host/testing/HostFixture.h"

#include "platform/machine/MachineRoot.h"
#include "platform/registry/Key.h"
#include "platform/ui/TestResponder.h"

#include <QProcess>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace installer {
namespace {

using host::ConverterRecord;
using host::DataTypeRecord;

constexpr const char* kConverter = "{CBB05A66-A657-11D3-B797-006097943A64}";
constexpr std::int32_t kModuleIdentity = 0x200001;

std::vector<std::string> shownTexts(const platform::ui::TestResponder& responder)
{
    std::vector<std::string> texts;
    for (const auto& shown : responder.shown())
        texts.push_back(shown.text);
    return texts;
}

TEST(InstallationHostTest, RegistersTheModuleAndBothConvertersOnceHoweverOftenItRuns)
{
    host::testing::HostFixture host;
    platform::ui::TestResponder responder;

    EXPECT_EQ(runSetup(R"(brisance-setup /L /tmp/logo.png /H "/tmp/my help/help.html")"), 0);
    EXPECT_EQ(runSetup(R"(brisance-setup /L /tmp/logo.png /H "/tmp/my help/help.html")"), 0);

    EXPECT_TRUE(responder.shown().empty());
    host::ModuleCatalog catalog(host.database());
    ASSERT_EQ(catalog.modules().size(), 1u);
    const auto module = catalog.module(kModuleIdentity);
    ASSERT_TRUE(module);
    EXPECT_EQ(module->maker, "Pelm");
    EXPECT_EQ(module->name, "Pelm Corvane 1.1");
    EXPECT_EQ(module->clsid, "{95875CF3-8638-4654-9A00-158E803957F3}");
    EXPECT_EQ(module->printHandler, "{2BCA38E7-CD67-4D41-9BCD-249677DC3E70}");
    EXPECT_EQ(module->show, 1);
    const std::vector<DataTypeRecord> audiogramFormats = {{1, 100}, {1, 200}};
    EXPECT_EQ(module->canMake, audiogramFormats);
    EXPECT_EQ(module->canShow, audiogramFormats);
    EXPECT_EQ(module->replaces, std::vector<std::int32_t>{65637});
    EXPECT_EQ(module->category, 2);
    EXPECT_EQ(module->logoPath, "/tmp/logo.png");
    EXPECT_EQ(module->helpFilePath, "/tmp/my help/help.html");
    const std::vector<ConverterRecord> converters = {{1, 200, 100, 0, kConverter}, {1, 100, 200, 0, kConverter}};
    EXPECT_THAT(catalog.converters(), ::testing::UnorderedElementsAreArray(converters));
}

TEST(InstallationHostTest, AnUnregisteredInstallationServerFailsItsCreation)
{
    host::testing::HostFixture host;
    ASSERT_EQ(platform::registry::deleteKey(platform::registry::Root::ClassesRoot,
                                            "CLSID\\{DB58AAF5-5511-11D1-A4BD-00C04FC2A4C0}"),
              platform::registry::Result::Success);
    platform::ui::TestResponder responder;

    EXPECT_EQ(runSetup("brisance-setup"), 1);

    EXPECT_EQ(shownTexts(responder), std::vector<std::string>{"Creating the Module Installation Server object Failed"});
    EXPECT_TRUE(host::ModuleCatalog(host.database()).modules().empty());
}

TEST(InstallationHostTest, ADamagedRegistryFailsTheStartOfTheComponentLayer)
{
    std::ofstream(platform::machine::root() / "registry.db") << "this is not a registry";
    platform::ui::TestResponder responder;

    EXPECT_EQ(runSetup("brisance-setup"), 1);

    EXPECT_EQ(shownTexts(responder), std::vector<std::string>{"Unable to initialize COM."});
}

TEST(InstallationHostTest, OneRunOfTheProgramLeavesTheModuleRegistered)
{
    host::testing::HostFixture host;
    QProcess setup;
    setup.start(BRISANCE_SETUP_PROGRAM, {"/L", "/tmp/Pelm logos/logo.png"});
    ASSERT_TRUE(setup.waitForFinished(60000)) << "brisance-setup did not end";
    EXPECT_EQ(setup.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(setup.exitCode(), 0) << setup.readAllStandardError().toStdString();

    const auto module = host::ModuleCatalog(host.database()).module(kModuleIdentity);
    ASSERT_TRUE(module);
    EXPECT_EQ(module->logoPath, "/tmp/Pelm logos/logo.png");
    EXPECT_EQ(module->helpFilePath, "");
}

}  // namespace
}  // namespace installer

#include "DriverInstallation.h"

#include "DriverRegistration.h"
#include "platform/registry/Key.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

using namespace pelmsonvale;
namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path) << text;
}

std::string installIni(const std::string& manufCode, const std::string& moduleType, const std::string& installCmd)
{
    return "[ModuleInfo]\nManufCode=" + manufCode + "\nModuleType=" + moduleType +
           "\nModuleName=Marlet Serial\nManufName=Pelmworks\n[Installation]\nInstallCmd=" + installCmd + "\n";
}

// An installer that notes its working folder and its arguments, one a line.
void writeInstaller(const fs::path& path, const fs::path& note)
{
    writeFile(path, "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > '" + note.string() + ".part'\nmv '" +
                        note.string() + ".part' '" + note.string() + "'\n");
    fs::permissions(path, fs::perms::owner_all);
}

std::string waitForNote(const fs::path& note)
{
    for (int tries = 0; tries < 1000 && !fs::exists(note); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(note);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class DriverInstallation : public ::testing::Test {
protected:
    DriverInstallation() : folder(temporary.path() / "my drivers"), ini(folder / "install.ini")
    {
        fs::create_directories(folder / "sub");
        writeInstaller(folder / "set up.sh", note);
        writeFile(folder / "plain.sh", "#!/bin/sh\n");
        fs::permissions(folder / "plain.sh", fs::perms::owner_all);
    }

    platform::testing::TemporaryFolder temporary;
    const fs::path folder;
    const fs::path ini;
    const fs::path note = temporary.path() / "ran.txt";
};

TEST_F(DriverInstallation, StartsTheInstallerInTheFilesFolderWithItsArgumentsAsTheyStand)
{
    writeFile(ini, installIni("MRL", "Sonvale", "\"set up.sh\" --quiet \"two words\"; touch pwned"));
    EXPECT_EQ(installDriver(folder.string() + "/"), TAudiInstallReturn_SUCCESS);
    EXPECT_EQ(waitForNote(note), folder.string() + "\n--quiet\ntwo words;\ntouch\npwned\n");
    EXPECT_FALSE(fs::exists(folder / "pwned"));
}

TEST_F(DriverInstallation, ChecksTheFileInOrderAndGivesTheFirstFailure)
{
    struct Case {
        const char* what;
        std::string manufCode, moduleType, installCmd;
        TAudiInstallReturn expected;
    };
    const Case cases[] = {
        {"module type in lower case", "MRL", "sonvale", "plain.sh", TAudiInstallReturn_SUCCESS},
        {"installer in a subfolder", "MRL", "Sonvale", "sub/../plain.sh", TAudiInstallReturn_SUCCESS},
        {"other module type", "MRL", "Sonvalex", "plain.sh", TAudiInstallReturn_er_INVALIDModuleType},
        {"no module type, nothing else either", "", "", "", TAudiInstallReturn_er_INVALIDModuleType},
        {"command of 4 characters before a short code", "MR", "Sonvale", "a.sh", TAudiInstallReturn_er_INVALIDInstallCmd},
        {"code of 2 characters", "MR", "Sonvale", "plain.sh", TAudiInstallReturn_er_INVALIDManufCode},
        {"code naming a subkey", "MR\\L", "Sonvale", "plain.sh", TAudiInstallReturn_er_INVALIDManufCode},
        {"code with a slash", "MR/L", "Sonvale", "plain.sh", TAudiInstallReturn_er_INVALIDManufCode},
        {"absolute program", "MRL", "Sonvale", "/bin/true", TAudiInstallReturn_er_INVALIDInstallCmd},
        {"program outside the folder", "MRL", "Sonvale", "sub/../../x.sh", TAudiInstallReturn_er_INVALIDInstallCmd},
        {"only blanks and quotes", "MRL", "Sonvale", "\"\"    x", TAudiInstallReturn_er_INVALIDInstallCmd},
        {"missing program", "MRL", "Sonvale", "absent.sh", TAudiInstallReturn_er_UNABLEToStartInstaller},
        {"program not executable", "MRL", "Sonvale", "install.ini", TAudiInstallReturn_er_UNABLEToStartInstaller},
    };
    for (const Case& c : cases) {
        writeFile(ini, installIni(c.manufCode, c.moduleType, c.installCmd));
        EXPECT_EQ(installDriver(ini.string()), c.expected) << c.what;
    }
}

TEST_F(DriverInstallation, RefusesAShortPathAndAFileItCannotRead)
{
    EXPECT_EQ(installDriver(""), TAudiInstallReturn_er_INVALIDPathText);
    EXPECT_EQ(installDriver("/tmp/x"), TAudiInstallReturn_er_INVALIDPathText);
    EXPECT_EQ(installDriver((folder / "absent.ini").string()), TAudiInstallReturn_er_UNABLEToAccessINI);
    EXPECT_EQ(installDriver(folder.string()), TAudiInstallReturn_er_UNABLEToAccessINI);
    EXPECT_EQ(installDriver(folder.string() + "/"), TAudiInstallReturn_er_UNABLEToAccessINI);
}

TEST_F(DriverInstallation, TellsWhetherTheDescribedDriverIsInstalled)
{
    platform::registry::Key key;
    platform::registry::createKey(platform::registry::Root::LocalMachine, std::string(kDriversKey) + "MRL",
                                  platform::registry::Access::Write, key);
    struct Case {
        const char* what;
        std::string path, manufCode, installCmd;
        DriverInstalledAnswer expected;
    };
    const std::string path = ini.string();
    const Case cases[] = {
        {"registered", path, "MRL", "plain.sh", {true, false, "Marlet Serial"}},
        {"not registered", path, "ABC", "plain.sh", {false, false, "Marlet Serial"}},
        {"installer not checked", path, "ABC", "/bin/true", {false, false, "Marlet Serial"}},
        {"short path", "/tmp/x", "MRL", "plain.sh", {}},
        {"folder without the file", folder.string() + "/sub/", "MRL", "plain.sh", {}},
        {"short code", path, "MR", "plain.sh", {}},
        {"code naming a subkey", path, "MRL\\X", "plain.sh", {}},
        {"short command", path, "MRL", "a.sh", {}},
    };
    for (const Case& c : cases) {
        writeFile(ini, installIni(c.manufCode, "Sonvale", c.installCmd));
        const DriverInstalledAnswer answer = isDriverInstalled(c.path);
        EXPECT_EQ(answer.installed, c.expected.installed) << c.what;
        EXPECT_EQ(answer.errorInIni, c.expected.errorInIni) << c.what;
        EXPECT_EQ(answer.moduleName, c.expected.moduleName) << c.what;
    }
}

}  // namespace

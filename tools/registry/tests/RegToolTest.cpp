#include "platform/machine/MachineRoot.h"
#include "platform/registry/Key.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace platform::registry {
namespace {

struct Outcome {
    int status = -1;
    std::string output;
};

std::string quoted(const std::string& argument)
{
    std::string text = "'";
    for (const char c : argument)
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

// Starts brisance-reg in its own process, on this process's machine root.
FILE* start(const std::vector<std::string>& arguments)
{
    std::string command = quoted(BRISANCE_REG_PROGRAM);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    return ::popen((command + " 2>&1").c_str(), "r");
}

Outcome finish(FILE* pipe)
{
    Outcome outcome;
    std::array<char, 256> chunk{};
    std::size_t read = 0;
    while ((read = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        outcome.output.append(chunk.data(), read);
    const int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

Outcome reg(const std::vector<std::string>& arguments)
{
    return finish(start(arguments));
}

constexpr const char* kDrivers = "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers";

TEST(RegistryTool, AnotherProcessSeesEachWriteAtOnce)
{
    Key driver;
    ASSERT_EQ(createKey(Root::LocalMachine, std::string(kDrivers) + "\\MRL", Access::Write, driver), Result::Success);
    ASSERT_EQ(driver.setString("DriverName", "Marlet"), Result::Success);

    const Outcome read = reg({"get", "HKLM\\" + std::string(kDrivers) + "\\mrl", "drivername"});
    EXPECT_EQ(read.status, 0) << read.output;
    EXPECT_EQ(read.output, "Marlet\n");

    const Outcome written = reg({"set", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelmworks\\PelmSonvale", "ActiveWindowHandle",
                                 "REG_DWORD", "0x1A2B"});
    ASSERT_EQ(written.status, 0) << written.output;
    Key link;
    ASSERT_EQ(openKey(Root::LocalMachine, "SOFTWARE\\Pelmworks\\PelmSonvale", Access::Read, link), Result::Success);
    std::uint32_t handle = 0;
    EXPECT_EQ(link.getDword("ActiveWindowHandle", handle), Result::Success);
    EXPECT_EQ(handle, 0x1A2Bu);

    ASSERT_EQ(reg({"delete", "HKLM\\" + std::string(kDrivers)}).status, 0);
    std::string name;
    EXPECT_EQ(driver.getString("DriverName", name), Result::KeyDeleted);
    EXPECT_FALSE(keyExists(Root::LocalMachine, kDrivers));
}

TEST(RegistryTool, ProcessesWritingAtTheSameTimeAllSucceed)
{
    constexpr int kWriters = 6;
    std::vector<FILE*> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.push_back(start({"set", "HKCU\\Software\\Pelmworks\\Marlet\\COM" + std::to_string(writer), "Board",
                                 "REG_SZ", "Windows " + std::to_string(writer)}));
    }
    for (int own = 0; own < 50; ++own) {
        Key key;
        ASSERT_EQ(createKey(Root::CurrentUser, "Software\\Pelmworks\\Marlet\\Own", Access::Write, key), Result::Success);
        ASSERT_EQ(key.setDword("N" + std::to_string(own), own), Result::Success);
    }
    for (FILE* writer : writers) {
        const Outcome outcome = finish(writer);
        EXPECT_EQ(outcome.status, 0) << outcome.output;
    }
    for (int writer = 0; writer < kWriters; ++writer) {
        Key key;
        std::string board;
        ASSERT_EQ(openKey(Root::CurrentUser, "Software\\Pelmworks\\Marlet\\COM" + std::to_string(writer), Access::Read,
                          key),
                  Result::Success);
        EXPECT_EQ(key.getString("Board", board), Result::Success);
        EXPECT_EQ(board, "Windows " + std::to_string(writer));
    }
}

TEST(RegistryTool, WritesListsAndDeletesEveryType)
{
    const std::string key = "HKCR\\CLSID\\{07F3AA2F}";
    const std::vector<std::vector<std::string>> writes = {
        {"set", key, "", "REG_SZ", "Chart Class"},
        {"set", key, "Path", "REG_EXPAND_SZ", "%TEMP%\\chart"},
        {"set", key, "Misc", "REG_DWORD", "131473"},
        {"set", key, "Blob", "REG_BINARY", "00ff10"},
        {"set", key, "Names", "REG_MULTI_SZ", "one", "two words"},
        {"create", key + "\\InprocServer32"},
    };
    for (const auto& write : writes) {
        const Outcome outcome = reg(write);
        EXPECT_EQ(outcome.status, 0) << write[2] << ": " << outcome.output;
    }
    const Outcome listed = reg({"list", key});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.output,
              "InprocServer32\\\n"
              "\tREG_SZ\tChart Class\n"
              "Path\tREG_EXPAND_SZ\t%TEMP%\\chart\n"
              "Misc\tREG_DWORD\t131473\n"
              "Blob\tREG_BINARY\t00ff10\n"
              "Names\tREG_MULTI_SZ\tone\\0two words\n");
    EXPECT_EQ(reg({"get", key, "Names"}).output, "one\ntwo words\n");

    Key clsid;
    ASSERT_EQ(openKey(Root::ClassesRoot, "CLSID\\{07F3AA2F}", Access::Read, clsid), Result::Success);
    std::vector<std::uint8_t> blob;
    EXPECT_EQ(clsid.getBinary("Blob", blob), Result::Success);
    EXPECT_EQ(blob, (std::vector<std::uint8_t>{0x00, 0xFF, 0x10}));

    EXPECT_EQ(reg({"delete-value", key, "misc"}).status, 0);
    std::uint32_t misc = 0;
    EXPECT_EQ(clsid.getDword("Misc", misc), Result::NotFound);
    EXPECT_EQ(reg({"exists", key + "\\inprocserver32"}).status, 0);
    EXPECT_EQ(reg({"exists", key + "\\Missing"}).status, 1);
}

TEST(RegistryTool, WrongUseAndRefusalsAreToldApart)
{
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* said;
    };
    const Case cases[] = {
        {{"get", "HKLM\\SOFTWARE\\Missing", "v"}, 1, "not found"},
        {{"delete", "HKLM"}, 1, "access denied"},
        {{"set", "HKLM\\SOFTWARE\\X", "v", "REG_DWORD", "12x"}, 2, "does not fit REG_DWORD"},
        {{"set", "HKLM\\SOFTWARE\\X", "v", "REG_BINARY", "abc"}, 2, "does not fit REG_BINARY"},
        {{"set", "HKLM\\SOFTWARE\\X", "v", "REG_MULTI_SZ", "a", ""}, 2, "does not fit REG_MULTI_SZ"},
        {{"set", "HKLM\\SOFTWARE\\X", "v", "REG_QWORD", "1"}, 2, "unknown type"},
        {{"list", "HKEY_USERS\\X"}, 2, "starts with its root"},
        {{"get", "HKLM\\SOFTWARE"}, 2, "wrong number of arguments"},
        {{"frobnicate", "HKLM"}, 2, "unknown command"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.arguments[0] + " " + each.arguments[1]);
        const Outcome outcome = reg(each.arguments);
        EXPECT_EQ(outcome.status, each.status);
        EXPECT_NE(outcome.output.find(each.said), std::string::npos) << outcome.output;
    }
    EXPECT_FALSE(keyExists(Root::LocalMachine, "SOFTWARE\\X"));

    const Outcome help = reg({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("Usage: brisance-reg"), std::string::npos);
}

TEST(RegistryTool, AnUnusableRegistryFileIsNamed)
{
    const auto file = machine::root() / "registry.db";
    std::ofstream(file, std::ios::binary) << std::string(4096, 'x');
    const Outcome outcome = reg({"list", "HKLM"});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_NE(outcome.output.find(file.string()), std::string::npos) << outcome.output;
}

}  // namespace
}  // namespace platform::registry

#include "DriverInstallation.h"

#include "DriverRegistration.h"
#include "platform/runtime/StringCompare.h"
#include "platform/system/IniFile.h"
#include "platform/system/Paths.h"
#include "platform/system/Process.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace pelmsonvale {

namespace {

using platform::runtime::equalsIgnoreCase;
using platform::system::appendPath;
using platform::system::isReadableFile;
using platform::system::readIniString;
using platform::system::removeFileSpec;
using platform::system::splitCommandLine;

constexpr std::size_t kIniBufferSize = 256;
constexpr std::size_t kShortestPath = 7;
constexpr std::size_t kLongestShortInstallCmd = 4;
constexpr std::size_t kLongestShortManufCode = 2;

struct InstallIni {
    std::string ManufCode;
    std::string ModuleType;
    std::string ModuleName;
    std::string ManufName;
    std::string InstallCmd;
};

std::size_t characterCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The file the path names, or nullopt when the path is not acceptable.
std::optional<std::string> iniFileOf(const std::string& path)
{
    if (characterCount(path) < kShortestPath)
        return std::nullopt;
    if (path.back() == '/')
        return path + "install.ini";
    return path;
}

InstallIni readInstallIni(const std::string& path)
{
    const auto read = [&](const char* section, const char* key) {
        return readIniString(path, section, key, "", kIniBufferSize);
    };
    return {read("ModuleInfo", "ManufCode"), read("ModuleInfo", "ModuleType"), read("ModuleInfo", "ModuleName"),
            read("ModuleInfo", "ManufName"), read("Installation", "InstallCmd")};
}

bool isSonvaleModule(const InstallIni& ini)
{
    return equalsIgnoreCase(ini.ModuleType, "Sonvale");
}

bool hasInstallCmd(const InstallIni& ini)
{
    return characterCount(ini.InstallCmd) > kLongestShortInstallCmd;
}

// The code becomes a key name under the Drivers key, so it must be one name.
bool hasManufCode(const InstallIni& ini)
{
    return characterCount(ini.ManufCode) > kLongestShortManufCode &&
           ini.ManufCode.find_first_of("\\/") == std::string::npos;
}

// The installer's arguments with its program made a full path inside the
// file's folder; nullopt when the program is absolute or leads out of it.
std::optional<std::vector<std::string>> installerArguments(const InstallIni& ini, const std::string& folder)
{
    std::vector<std::string> arguments = splitCommandLine(ini.InstallCmd);
    if (arguments.empty())
        return std::nullopt;
    const std::filesystem::path program = std::filesystem::path(arguments.front()).lexically_normal();
    if (program.empty() || program.is_absolute() || *program.begin() == ".." || *program.begin() == ".")
        return std::nullopt;
    const auto full = appendPath(folder, program.string());
    if (!full)
        return std::nullopt;
    arguments.front() = *full;
    return arguments;
}

}  // namespace

TAudiInstallReturn installDriver(const std::string& iniPath)
{
    const auto file = iniFileOf(iniPath);
    if (!file)
        return TAudiInstallReturn_er_INVALIDPathText;
    if (!isReadableFile(*file))
        return TAudiInstallReturn_er_UNABLEToAccessINI;
    const InstallIni ini = readInstallIni(*file);
    if (!isSonvaleModule(ini))
        return TAudiInstallReturn_er_INVALIDModuleType;
    if (!hasInstallCmd(ini))
        return TAudiInstallReturn_er_INVALIDInstallCmd;
    if (!hasManufCode(ini))
        return TAudiInstallReturn_er_INVALIDManufCode;
    std::error_code noCurrentFolder;
    const std::string folder = removeFileSpec(std::filesystem::absolute(*file, noCurrentFolder).string());
    const auto arguments = installerArguments(ini, folder);
    if (!arguments)
        return TAudiInstallReturn_er_INVALIDInstallCmd;
    if (!platform::system::startProgram(*arguments, folder))
        return TAudiInstallReturn_er_UNABLEToStartInstaller;
    return TAudiInstallReturn_SUCCESS;
}

DriverInstalledAnswer isDriverInstalled(const std::string& iniPath)
{
    DriverInstalledAnswer answer;
    const auto file = iniFileOf(iniPath);
    if (!file || !isReadableFile(*file))
        return answer;
    const InstallIni ini = readInstallIni(*file);
    if (!isSonvaleModule(ini) || !hasInstallCmd(ini) || !hasManufCode(ini))
        return answer;
    answer.moduleName = ini.ModuleName;
    answer.errorInIni = false;
    answer.installed = isDriverRegistered(ini.ManufCode);
    return answer;
}

}  // namespace pelmsonvale

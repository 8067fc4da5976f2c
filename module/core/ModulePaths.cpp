#include "module/core/ModulePaths.h"

#include "module/core/ReadRegistryString.h"

#include "platform/machine/MachineRoot.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/system/Library.h"
#include "platform/system/Paths.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace brisance {

namespace {

constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kDefaultProfileInCommonFiles = "ORVEL Shared/Profiles/Default.profile";

// Its address lies in this library, whatever else the process has loaded.
const char libraryAnchor = 0;

std::optional<std::filesystem::path> g_programFolderForTests;
std::atomic<bool> g_started{false};

std::string programFolder()
{
    if (g_programFolderForTests)
        return g_programFolderForTests->generic_string();
    return platform::system::fileContaining(&libraryAnchor).parent_path().generic_string();
}

// The login name of this process's user; the user id's number when the
// system has no name for it.
std::string loginName()
{
    const uid_t uid = getuid();
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name &&
        *found->pw_name)
        return found->pw_name;
    return std::to_string(uid);
}

std::string createdUserFolder()
{
    try {
        const std::filesystem::path folder = platform::machine::root() / "Users" / loginName() / "Brisance";
        std::filesystem::create_directories(folder);
        return folder.generic_string();
    } catch (const std::filesystem::filesystem_error& error) {
        platform::runtime::raise(75, {}, error.path1().generic_string());
    }
}

ModulePaths startUp()
{
    ModulePaths paths;
    paths.programFolder = programFolder();
    paths.defaultProfilePath = GetDefaultProfilePath();
    paths.userFolder = createdUserFolder();
    paths.underlayPath = paths.userFolder + "/Underlay.emf";
    paths.languageFolder = paths.programFolder + "/Language Resources/";
    return paths;
}

}  // namespace

const ModulePaths& GetModulePaths()
{
    static ModulePaths paths;
    static std::once_flag once;
    std::call_once(once, [] {
        paths = startUp();
        g_started = true;
    });
    return paths;
}

void SetProgramFolderForTests(const std::filesystem::path& folder)
{
    if (g_started)
        throw std::logic_error("the program folder is fixed once the module's paths have been read");
    g_programFolderForTests = folder;
}

std::string GetCommonFilesDir()
{
    return ReadRegistryString(platform::registry::Root::LocalMachine, kCurrentVersionKey, "CommonFilesDir");
}

std::string GetDefaultProfilePath()
{
    const std::string commonFiles = GetCommonFilesDir();
    if (commonFiles.empty())
        return {};
    return platform::system::appendPath(commonFiles, kDefaultProfileInCommonFiles).value_or(std::string());
}

bool IsDebugMode()
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::path(GetModulePaths().programFolder) / "debug.debug", ignored);
}

}  // namespace brisance

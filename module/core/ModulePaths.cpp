#include "module/core/ModulePaths.h"

#include "module/core/ReadRegistryString.h"

#include "platform/machine/MachineRoot.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/system/Library.h"
#include "platform/system/Paths.h"

#include <map>
#include <mutex>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace brisance {

namespace {

constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kDefaultProfileInCommonFiles = "ORVEL Shared/Profiles/Default.profile";

// Its address lies in this library, whatever else the process has loaded.
const char libraryAnchor = 0;

std::mutex g_mutex;
std::optional<std::filesystem::path> g_programFolderForTests;

std::string programFolder()
{
    if (g_programFolderForTests)
        return g_programFolderForTests->generic_string();
    return platform::system::fileContaining(&libraryAnchor).parent_path().generic_string();
}

std::filesystem::path machineRoot()
{
    try {
        return platform::machine::root();
    } catch (const std::filesystem::filesystem_error& error) {
        platform::runtime::raise(75, {}, error.path1().generic_string());
    }
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

std::string createdUserFolder(const std::filesystem::path& root)
{
    try {
        const std::filesystem::path folder = root / "Users" / loginName() / "Brisance";
        std::filesystem::create_directories(folder);
        return folder.generic_string();
    } catch (const std::filesystem::filesystem_error& error) {
        platform::runtime::raise(75, {}, error.path1().generic_string());
    }
}

ModulePaths startUp(const std::string& programFolder, const std::filesystem::path& root)
{
    ModulePaths paths;
    paths.programFolder = programFolder;
    paths.defaultProfilePath = GetDefaultProfilePath();
    paths.userFolder = createdUserFolder(root);
    paths.underlayPath = paths.userFolder + "/Underlay.emf";
    paths.languageFolder = paths.programFolder + "/Language Resources/";
    return paths;
}

}  // namespace

const ModulePaths& GetModulePaths()
{
    // Never erased, so that every reference handed out stays valid.
    static std::map<std::pair<std::string, std::filesystem::path>, ModulePaths> started;
    std::lock_guard lock(g_mutex);
    const std::filesystem::path root = machineRoot();
    const std::string folder = programFolder();
    const auto found = started.find({folder, root});
    if (found != started.end())
        return found->second;
    return started.emplace(std::pair(folder, root), startUp(folder, root)).first->second;
}

ProgramFolderForTests::ProgramFolderForTests(const std::filesystem::path& folder)
{
    std::lock_guard lock(g_mutex);
    m_previous = std::exchange(g_programFolderForTests, folder);
}

ProgramFolderForTests::~ProgramFolderForTests()
{
    std::lock_guard lock(g_mutex);
    g_programFolderForTests = m_previous;
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

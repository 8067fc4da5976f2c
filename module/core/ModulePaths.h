#pragma once
// The library's start-up: the paths that Brisance fixes once per machine root.
//
// Start-up runs at the first call of GetModulePaths for the machine root in
// use, never while the library loads. Objects made through the library's entry
// points and code that links the library directly therefore see the same
// values. Nothing reads a path before that call. A process that moves to
// another machine root (BRISANCE_MACHINE_ROOT changed) gets that root's paths
// at its next call, from a start-up of their own.

#include <filesystem>
#include <optional>
#include <string>

namespace brisance {

struct ModulePaths {
    // The folder that holds the Brisance library.
    std::string programFolder;
    // The host's shared default profile, as GetDefaultProfilePath gave it at
    // start-up: "" when the Common Files folder is unknown.
    std::string defaultProfilePath;
    // The module's one writable folder for the current login:
    // "Users/<login name>/Brisance" under the machine root, created at start-up.
    // The module writes what it makes while it runs here, never into the
    // program folder, which an installation does not let it write.
    std::string userFolder;
    // The underlay picture: userFolder + "/Underlay.emf".
    std::string underlayPath;
    // The language libraries: programFolder + "/Language Resources/".
    std::string languageFolder;
};

// The paths of the machine root in use, running start-up at the first call
// for it. Start-up reads the registry and creates the user folder; when the
// folder cannot be created it raises 75 (path/file access error) and runs
// again at the next call. A reference once returned stays valid for the life
// of the process.
const ModulePaths& GetModulePaths();

// For tests: while the object lives, start-up takes this folder as the program
// folder instead of the library's own, so that nothing a test does lands in
// the build output; GetModulePaths then gives the paths started with it.
class ProgramFolderForTests {
public:
    explicit ProgramFolderForTests(const std::filesystem::path& folder);
    ~ProgramFolderForTests();
    ProgramFolderForTests(const ProgramFolderForTests&) = delete;
    ProgramFolderForTests& operator=(const ProgramFolderForTests&) = delete;

private:
    std::optional<std::filesystem::path> m_previous;
};

// The machine's Common Files folder as the registry names it now:
// ReadRegistryString of HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Windows\CurrentVersion" "CommonFilesDir".
std::string GetCommonFilesDir();

// GetCommonFilesDir() + "/ORVEL Shared/Profiles/Default.profile", read anew at
// every call; "" when the Common Files folder is "" (never a path at the root
// of the file system).
std::string GetDefaultProfilePath();

// True when a file "debug.debug" is in the program folder now: the profile
// manager asks each time it opens.
bool IsDebugMode();

}  // namespace brisance

#include "platform/machine/MachineRoot.h"

#include <cstdlib>

namespace platform::machine {

namespace {

std::filesystem::path defaultRoot()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "brisance" / "machine";
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = (home && *home) ? std::filesystem::path(home)
                                                       : std::filesystem::temp_directory_path();
    return base / ".local" / "share" / "brisance" / "machine";
}

std::filesystem::path ensured(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace

std::filesystem::path root()
{
    const char* named = std::getenv(kRootVariable);
    return ensured((named && *named) ? std::filesystem::path(named) : defaultRoot());
}

std::filesystem::path commonFilesDir()
{
    return ensured(root() / "Common Files");
}

}  // namespace platform::machine

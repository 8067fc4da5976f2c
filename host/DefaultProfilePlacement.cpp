#include "host/DefaultProfilePlacement.h"

#include "platform/registry/Key.h"
#include "platform/system/Library.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace host {

namespace {

namespace fs = std::filesystem;

// Its address lies in the host library, whose folder is the program folder.
const char libraryAnchor = 0;

fs::path commonFilesDir()
{
    using namespace platform::registry;
    Key key;
    std::string folder;
    if (openKey(Root::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", Access::Read, key) !=
            Result::Success ||
        key.getString("CommonFilesDir", folder) != Result::Success)
        return {};
    return folder;
}

}  // namespace

bool placeDefaultProfile()
{
    const fs::path source = platform::system::fileContaining(&libraryAnchor).parent_path() / "Data" / "Default.profile";
    const fs::path commonFiles = commonFilesDir();
    if (commonFiles.empty() || !fs::is_regular_file(source))
        return false;
    const fs::path target = commonFiles / "ORVEL Shared" / "Profiles" / "Default.profile";
    if (fs::exists(target))
        return false;

    // Copied beside the target under another name, then linked in under the
    // target's name, which fails when a file has appeared there meanwhile.
    fs::create_directories(target.parent_path());
    const fs::path partial = target.parent_path() / ".Default.profile.partial";
    try {
        fs::copy_file(source, partial, fs::copy_options::overwrite_existing);
    } catch (const fs::filesystem_error&) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        throw;
    }
    std::error_code linked;
    fs::create_hard_link(partial, target, linked);
    fs::remove(partial);
    if (linked == std::errc::file_exists)
        return false;
    if (linked)
        throw fs::filesystem_error("cannot place the shared default profile", partial, target, linked);
    return true;
}

}  // namespace host

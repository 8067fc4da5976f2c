#include "platform/system/Paths.h"

#include <climits>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace platform::system {

std::optional<std::string> appendPath(const std::string& folder, const std::string& more)
{
    std::string joined = folder;
    const std::size_t moreStart = more.find_first_not_of('/');
    if (moreStart != std::string::npos) {
        while (joined.size() > 1 && joined.back() == '/')
            joined.pop_back();
        if (!joined.empty() && joined.back() != '/')
            joined += '/';
        joined.append(more, moreStart);
    }
    if (joined.size() >= PATH_MAX)
        return std::nullopt;
    return joined;
}

std::string removeFileSpec(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool pathExists(const std::string& path)
{
    std::error_code ignored;
    return !path.empty() && std::filesystem::exists(path, ignored);
}

bool isReadableFile(const std::string& path)
{
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_regular_file(path, ignored) && ::access(path.c_str(), R_OK) == 0;
}

}  // namespace platform::system

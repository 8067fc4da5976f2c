#pragma once
// Path helpers with the semantics of the platform's path calls, on "/" paths.

#include <optional>
#include <string>

namespace platform::system {

// `folder` and `more` joined by exactly one "/" (a leading "/" of `more` does
// not make it absolute); either may be empty. Nullopt when the result would
// be longer than the system's longest path.
std::optional<std::string> appendPath(const std::string& folder, const std::string& more);

// The path without its last part (the file name) and the "/" before it: the
// folder that holds it. "/file" gives "/"; a path without "/" gives "".
std::string removeFileSpec(const std::string& path);

// True when something exists at the path.
bool pathExists(const std::string& path);

// True when the path names a regular file that this process may read.
bool isReadableFile(const std::string& path);

}  // namespace platform::system

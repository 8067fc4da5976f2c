#pragma once
// The folder that stands for this machine's state: the registry file, the host
// database, the "Common Files" folder and the built-in printer's output.
//
// It is named by the environment variable BRISANCE_MACHINE_ROOT; when that is
// unset or empty, a per-user default under the user's data folder is used
// ($XDG_DATA_HOME/brisance/machine, else ~/.local/share/brisance/machine).
// The folder is created on first use. Tests point the variable at a fresh
// temporary folder so that they never touch the user's state.

#include <filesystem>

namespace platform::machine {

inline constexpr const char* kRootVariable = "BRISANCE_MACHINE_ROOT";

// The machine root, created if missing. Throws std::filesystem::filesystem_error
// when the folder cannot be created.
std::filesystem::path root();

// The machine's "Common Files" folder inside the root, created if missing.
std::filesystem::path commonFilesDir();

}  // namespace platform::machine

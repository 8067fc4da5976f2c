#pragma once
// Installing a driver from the "install.ini" delivered with it, and telling
// whether the driver it describes is installed.
//
// The path names the file itself, or, when it ends in "/", the folder that
// holds "install.ini". The file's "ModuleInfo" section gives "ManufCode" (the
// driver's key name under the Drivers key), "ModuleType" ("Sonvale"),
// "ModuleName" and "ManufName"; its "Installation" section gives
// "InstallCmd", the installer's command line relative to the file's folder.
//
// The installer's command line is split into a program and its arguments and
// run without a shell, so that a path or argument with blanks stays one
// argument and cannot start another program; the program must lie inside the
// file's folder.

#include "PelmSonvale/SonvaleTypes.h"

#include <optional>
#include <string>

namespace pelmsonvale {

// Checks the file and starts its installer in the file's folder, without
// waiting. The checks run in this order and the first that fails gives the
// result: the path (1), the file's readability (2), "ModuleType" (6),
// "InstallCmd" longer than 4 characters (5), "ManufCode" longer than 2
// characters and without "\" or "/" (4), the installer program relative to
// and inside the folder (5), the start (7). 0 when the installer started.
TAudiInstallReturn installDriver(const std::string& iniPath);

struct DriverInstalledAnswer {
    bool installed = false;
    bool errorInIni = true;
    // "ModuleName" of a file that passed the checks.
    std::optional<std::string> moduleName;
};

// Whether the driver the file describes has its key under the Drivers key.
// A path, file or value that fails the checks of installDriver (other than
// the installer program's) gives errorInIni and nothing else.
DriverInstalledAnswer isDriverInstalled(const std::string& iniPath);

}  // namespace pelmsonvale

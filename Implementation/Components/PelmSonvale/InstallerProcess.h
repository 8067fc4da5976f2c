#pragma once
// Starting a driver's installer.

#include <string>
#include <vector>

namespace pelmsonvale {

// Starts the program named by the first argument (a full path) with the other
// arguments, in `folder` as its working folder, without a shell and without
// waiting for it; it is reaped in the background when it ends. False when it
// cannot be started (missing, not executable, or the folder cannot be entered).
bool startInstaller(const std::string& folder, const std::vector<std::string>& arguments);

}  // namespace pelmsonvale

#pragma once
// Starting programs.

#include <string>
#include <vector>

namespace platform::system {

// Splits a command line into arguments as the platform's command lines are
// split: blanks and tabs separate arguments; double quotes group blanks into
// an argument and are removed ("" inside quotes gives one quote); 2n
// backslashes before a quote give n backslashes and the quote counts, 2n+1
// give n backslashes and a literal quote; other backslashes stay as they are.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// Starts the program named by the command line's first argument (a path, or
// a name looked up in PATH) with the other arguments, without a shell and
// without waiting for it; the child is reaped in the background when it ends.
// False when the command line is empty or the program cannot be started.
bool startProgram(const std::string& commandLine);

// Starts the program named by the first argument (a path, or a name looked up
// in PATH) with the other arguments exactly as given, in `workingFolder` when
// it is not empty, without a shell and without waiting; reaped in the
// background. False when the list or its first argument is empty, the folder
// cannot be entered or the program cannot be started.
bool startProgram(const std::vector<std::string>& arguments, const std::string& workingFolder = {});

}  // namespace platform::system

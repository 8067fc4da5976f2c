#pragma once
// Linux hands a program its arguments already split; the installer reads one
// command-line text. This rebuilds that text so that CCmdLineArgs gives the
// arguments back: each one joined by a blank, and an empty one or one holding
// white space wrapped in double quotes (so a path with blanks stays one
// argument).

#include <string>
#include <vector>

namespace installer {

// arguments: the program's own path first, then its arguments.
std::string commandLineText(const std::vector<std::string>& arguments);

}  // namespace installer

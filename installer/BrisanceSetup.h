#pragma once
// The whole installer program for one command-line text (the program's own
// path first, then its arguments): shows a usage box per "/?", registers the
// module with the host, and returns the exit status, 0 when everything was
// installed and 1 when a step failed (after its one message box).

#include "installer/HostAccess.h"

#include <string_view>

namespace installer {

int runSetup(std::string_view commandLine);
// The same against the given host, for tests.
int runSetup(std::string_view commandLine, const HostAccess& host);

}  // namespace installer

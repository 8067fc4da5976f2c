#pragma once
// The installer's options: "/L <logo file path>", "/H <help file path>" and
// "/?" (usage), exact and case-sensitive. An option given more than once
// takes its last occurrence; "/L" or "/H" as the very last argument gives no
// path. Every other argument, the program's own path included, is ignored.

#include "installer/CCmdLineArgs.h"

#include <optional>
#include <string>

namespace installer {

struct SetupOptions {
    std::optional<std::string> logoPath{};
    std::optional<std::string> helpPath{};
    int usageRequests = 0;  // one usage box per "/?"
};

SetupOptions parseOptions(const CCmdLineArgs& arguments);

}  // namespace installer

#include "installer/SetupOptions.h"

namespace installer {

namespace {

// The argument after a path option, or no path when the option comes last.
std::optional<std::string> pathAfter(const CCmdLineArgs& arguments, std::size_t option)
{
    if (option + 1 >= arguments.size())
        return std::nullopt;
    return std::string(arguments[option + 1]);
}

}  // namespace

SetupOptions parseOptions(const CCmdLineArgs& arguments)
{
    SetupOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "/?") {
            ++options.usageRequests;
        } else if (argument == "/L") {
            options.logoPath = pathAfter(arguments, i++);
        } else if (argument == "/H") {
            options.helpPath = pathAfter(arguments, i++);
        }
    }
    return options;
}

}  // namespace installer

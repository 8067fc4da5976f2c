#include "installer/CommandLineText.h"

#include "installer/CCmdLineArgs.h"

#include <algorithm>

namespace installer {

namespace {

bool needsQuotes(const std::string& argument)
{
    return argument.empty() || std::any_of(argument.begin(), argument.end(), CCmdLineArgs::isWhiteSpace);
}

}  // namespace

std::string commandLineText(const std::vector<std::string>& arguments)
{
    std::string text;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += needsQuotes(arguments[i]) ? '"' + arguments[i] + '"' : arguments[i];
    }
    return text;
}

}  // namespace installer

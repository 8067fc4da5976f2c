#include "platform/system/Process.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace platform::system {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Waits for the child in the background so that it leaves no zombie.
void reapWhenEnded(pid_t child)
{
    std::thread([child] {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace

std::vector<std::string> splitCommandLine(const std::string& commandLine)
{
    std::vector<std::string> arguments;
    std::size_t at = 0;
    const std::size_t end = commandLine.size();
    while (true) {
        while (at < end && isBlank(commandLine[at]))
            ++at;
        if (at == end)
            return arguments;
        std::string argument;
        bool quoted = false;
        while (at < end && (quoted || !isBlank(commandLine[at]))) {
            std::size_t backslashes = 0;
            while (at < end && commandLine[at] == '\\') {
                ++backslashes;
                ++at;
            }
            if (at < end && commandLine[at] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && at + 1 < end && commandLine[at + 1] == '"') {
                    argument += '"';
                    ++at;
                } else {
                    quoted = !quoted;
                }
                ++at;
            } else {
                argument.append(backslashes, '\\');
                if (at < end && (quoted || !isBlank(commandLine[at])))
                    argument += commandLine[at++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}

bool startProgram(const std::string& commandLine)
{
    std::vector<std::string> arguments = splitCommandLine(commandLine);
    if (arguments.empty() || arguments.front().empty())
        return false;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    if (::posix_spawnp(&child, argv.front(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    reapWhenEnded(child);
    return true;
}

}  // namespace platform::system

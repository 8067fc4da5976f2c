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

// Owns a spawn's file actions for the length of one start.
class SpawnActions {
public:
    SpawnActions() { m_ready = ::posix_spawn_file_actions_init(&m_actions) == 0; }
    ~SpawnActions()
    {
        if (m_ready)
            ::posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    bool ready() const { return m_ready; }
    bool changeFolder(const std::string& folder)
    {
        return ::posix_spawn_file_actions_addchdir_np(&m_actions, folder.c_str()) == 0;
    }
    const posix_spawn_file_actions_t* get() const { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions{};
    bool m_ready = false;
};

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
    return startProgram(splitCommandLine(commandLine));
}

bool startProgram(const std::vector<std::string>& arguments, const std::string& workingFolder)
{
    if (arguments.empty() || arguments.front().empty())
        return false;
    SpawnActions actions;
    if (!actions.ready() || (!workingFolder.empty() && !actions.changeFolder(workingFolder)))
        return false;
    std::vector<std::string> held = arguments;
    std::vector<char*> argv;
    for (std::string& argument : held)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    if (::posix_spawnp(&child, argv.front(), actions.get(), nullptr, argv.data(), environ) != 0)
        return false;
    reapWhenEnded(child);
    return true;
}

}  // namespace platform::system

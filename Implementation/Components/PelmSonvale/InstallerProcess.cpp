#include "InstallerProcess.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace pelmsonvale {

namespace {

// Owns the spawn's file actions for the length of one start.
class FileActions {
public:
    FileActions() { m_ready = ::posix_spawn_file_actions_init(&m_actions) == 0; }
    ~FileActions()
    {
        if (m_ready)
            ::posix_spawn_file_actions_destroy(&m_actions);
    }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;

    bool changeFolder(const std::string& folder)
    {
        return m_ready && ::posix_spawn_file_actions_addchdir_np(&m_actions, folder.c_str()) == 0;
    }
    const posix_spawn_file_actions_t* get() const { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions{};
    bool m_ready = false;
};

}  // namespace

bool startInstaller(const std::string& folder, const std::vector<std::string>& arguments)
{
    if (arguments.empty() || arguments.front().empty())
        return false;
    FileActions actions;
    if (!actions.changeFolder(folder))
        return false;
    std::vector<std::string> held = arguments;
    std::vector<char*> argv;
    for (std::string& argument : held)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t installer = 0;
    if (::posix_spawn(&installer, argv.front(), actions.get(), nullptr, argv.data(), environ) != 0)
        return false;
    // The installer runs on after we return; only its exit status is collected.
    std::thread([installer] {
        int status = 0;
        while (::waitpid(installer, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

}  // namespace pelmsonvale

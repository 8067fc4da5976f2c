#include "platform/serial/PortNames.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <utility>

extern char** environ;

namespace {

// The simulator program in its own process, on this process's machine root,
// its input and output on pipes as a terminal would be.
class Simulator {
public:
    Simulator(const char* model, const char* portName)
    {
        int input[2];
        int output[2];
        if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0)
            return;
        m_input = input[1];
        m_output = output[0];
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
        ::posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        char* const arguments[] = {const_cast<char*>(INSTRUMENT_SIM_PROGRAM), const_cast<char*>(model),
                                   const_cast<char*>(portName), nullptr};
        if (::posix_spawn(&m_pid, INSTRUMENT_SIM_PROGRAM, &actions, nullptr, arguments, environ) != 0)
            m_pid = -1;
        ::posix_spawn_file_actions_destroy(&actions);
        ::close(input[0]);
        ::close(output[1]);
    }

    ~Simulator()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        closeInput();
        if (m_output >= 0)
            ::close(m_output);
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Its first line of output; empty when none came in time.
    std::string firstLine()
    {
        std::string line;
        char c = 0;
        while (readable() && ::read(m_output, &c, 1) == 1 && c != '\n')
            line += c;
        return line;
    }

    void closeInput()
    {
        if (m_input >= 0)
            ::close(m_input);
        m_input = -1;
    }
    void signal(int number) { ::kill(m_pid, number); }

    // How it ended (as waitpid tells), or nothing when it still runs after
    // seconds. Its output is drained: the end of it is the end of the program.
    std::optional<int> ending()
    {
        char buffer[256];
        while (readable())
            if (::read(m_output, buffer, sizeof buffer) <= 0) {
                int status = 0;
                ::waitpid(std::exchange(m_pid, -1), &status, 0);
                return status;
            }
        return std::nullopt;
    }

private:
    // Generous, since a loaded machine can take seconds to start a sanitized
    // program; a passing run never waits this long.
    bool readable()
    {
        pollfd output{m_output, POLLIN, 0};
        return ::poll(&output, 1, 30000) > 0;
    }

    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
};

TEST(Program, LeavesNoPortMappingBehindHoweverItIsStopped)
{
    const struct {
        const char* how;
        int signal;  // 0: end of input
        int exitCode;
    } stops[] = {
        {"Ctrl-D", 0, 0},
        {"Ctrl-C", SIGINT, 128 + SIGINT},
        {"SIGTERM", SIGTERM, 128 + SIGTERM},
        {"a hang-up", SIGHUP, 128 + SIGHUP},
    };
    for (const auto& stop : stops) {
        Simulator simulator("Pyrel", "COM7");
        const std::string banner = simulator.firstLine();
        const auto on = banner.find(" on ");
        const auto as = banner.find(" as COM7");
        ASSERT_TRUE(on != std::string::npos && as != std::string::npos) << "it says where it is: " << banner;
        EXPECT_EQ(platform::serial::devicePathForPort("COM7"), banner.substr(on + 4, as - on - 4)) << stop.how;

        if (stop.signal != 0)
            simulator.signal(stop.signal);
        else
            simulator.closeInput();
        const std::optional<int> status = simulator.ending();
        ASSERT_TRUE(status.has_value()) << "still running after " << stop.how;
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == stop.exitCode)
            << stop.how
            << (WIFSIGNALED(*status) ? " killed it before it could clean up"
                                     : " ended it with exit code " + std::to_string(WEXITSTATUS(*status)));
        EXPECT_EQ(platform::serial::devicePathForPort("COM7"), "/dev/ttyS6") << stop.how << " left the mapping behind";
    }
}

}  // namespace

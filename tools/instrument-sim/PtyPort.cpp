#include "tools/instrument-sim/PtyPort.h"

#include "platform/serial/TermiosSettings.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace instrument_sim {

namespace {

using Clock = std::chrono::steady_clock;

int remainingMilliseconds(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for `events` on `fd` until the deadline; false on time-out. While no
// one holds the slave, the master reports a hang-up: that is waited out too.
bool waitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, remainingMilliseconds(deadline));
        if (ready < 0 && errno != EINTR)
            throw std::system_error(errno, std::generic_category(), "waiting on the instrument's line");
        if (ready > 0 && (entry.revents & events))
            return true;
        if (Clock::now() >= deadline)
            return false;
        if (ready > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

PtyPort::PtyPort()
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        throw std::system_error(errno, std::generic_category(), "opening a pseudo-terminal");
    m_devicePath = name;
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
}

PtyPort::~PtyPort()
{
    ::close(m_slave);
    ::close(m_master);
}

platform::serial::LineSettings PtyPort::lineSettings() const
{
    termios line{};
    ::tcgetattr(m_slave, &line);
    return platform::serial::lineSettingsOf(line);
}

void PtyPort::write(std::string_view bytes, std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_master, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR && errno != EIO)
            throw std::system_error(errno, std::generic_category(), "writing to the driver");
        if (!waitFor(m_master, POLLOUT, deadline))
            throw std::runtime_error("the driver did not take " + std::to_string(bytes.size()) + " bytes in time");
    }
}

std::string PtyPort::read(std::chrono::milliseconds timeout)
{
    std::string received;
    if (!waitFor(m_master, POLLIN, Clock::now() + timeout))
        return received;
    char buffer[512];
    for (;;) {
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count > 0) {
            received.append(buffer, static_cast<std::size_t>(count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        return received;  // drained (EAGAIN), or no slave open (EIO)
    }
}

}  // namespace instrument_sim

#include "platform/serial/SerialPort.h"

#include "platform/serial/PortNames.h"
#include "platform/serial/TermiosSettings.h"

#include <fcntl.h>
#include <linux/major.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace platform::serial {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A write gives up when the device takes no byte for this long.
constexpr milliseconds kWriteStall{2000};

PortError openError(int error)
{
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return PortError::NoSuchPort;
    case EBUSY:
    case EWOULDBLOCK:
        return PortError::Busy;
    case EACCES:
    case EPERM:
        return PortError::AccessDenied;
    case ENOTTY:
        return PortError::NotASerialPort;
    default:
        return PortError::Failed;
    }
}

bool isPseudoTerminal(int fd)
{
    struct stat device {};
    if (::fstat(fd, &device) != 0 || !S_ISCHR(device.st_mode))
        return false;
    const unsigned int deviceMajor = major(device.st_rdev);
    return deviceMajor >= UNIX98_PTY_SLAVE_MAJOR && deviceMajor < UNIX98_PTY_SLAVE_MAJOR + UNIX98_PTY_MAJOR_COUNT;
}

// A pseudo-terminal carries bytes, not characters on a wire: whatever it is
// given, it works with eight data bits and no parity.
constexpr tcflag_t kNotKeptByPseudoTerminals = CSIZE | PARENB;

// Whether the line holds all that was wanted but the data bits and parity.
bool keptAllButDataBitsAndParity(const termios& wanted, const termios& kept)
{
    return wanted.c_iflag == kept.c_iflag && wanted.c_oflag == kept.c_oflag && wanted.c_lflag == kept.c_lflag &&
           (wanted.c_cflag & ~kNotKeptByPseudoTerminals) == (kept.c_cflag & ~kNotKeptByPseudoTerminals) &&
           ::cfgetispeed(&wanted) == ::cfgetispeed(&kept) && ::cfgetospeed(&wanted) == ::cfgetospeed(&kept) &&
           std::memcmp(wanted.c_cc, kept.c_cc, sizeof wanted.c_cc) == 0;
}

// Sets the line now. On a pseudo-terminal, a setting that differs from the
// line only in data bits or parity changes nothing there, and the C library
// may report such a setting as invalid; the line is then set as far as a
// pseudo-terminal goes.
bool setLine(int fd, const termios& line)
{
    if (::tcsetattr(fd, TCSANOW, &line) == 0)
        return true;
    termios kept{};
    return errno == EINVAL && isPseudoTerminal(fd) && ::tcgetattr(fd, &kept) == 0 &&
           keptAllButDataBitsAndParity(line, kept);
}

// What poll reports for a line that has gone (the other end of a
// pseudo-terminal closed, a device unplugged): it stays "readable" for ever
// and reading it gives nothing, so a wait must not take it for input.
constexpr short kLineGone = POLLERR | POLLHUP | POLLNVAL;

// The milliseconds left until the deadline, for poll (none: 0, do not wait).
int pollTimeout(std::optional<Clock::time_point> deadline)
{
    if (!deadline)
        return 0;
    const auto left = std::chrono::ceil<milliseconds>(*deadline - Clock::now());
    return static_cast<int>(std::max<milliseconds::rep>(left.count(), 0));
}

// Waits until the descriptor is ready for the events, at most until the
// deadline (none: do not wait); false on time-out or failure.
bool waitReady(int fd, short events, std::optional<Clock::time_point> deadline)
{
    while (true) {
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, 1, pollTimeout(deadline));
        if (ready > 0)
            return (watched.revents & kLineGone) == 0 && (watched.revents & events) != 0;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

}  // namespace

SerialPort::~SerialPort()
{
    close();
}

bool SerialPort::fail(PortError error)
{
    m_error = error;
    return false;
}

bool SerialPort::open(const std::string& portName)
{
    close();
    const std::optional<std::string> device = devicePathForPort(portName);
    if (!device)
        return fail(PortError::NoSuchPort);
    return openDevice(*device);
}

bool SerialPort::openDevice(const std::string& devicePath)
{
    close();
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(openError(errno));
    // The lock keeps out every other holder, this process and root included;
    // TIOCEXCL also keeps out programs that do not take the lock.
    termios line{};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::tcgetattr(fd, &line) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        const PortError error = openError(errno);
        ::close(fd);
        return fail(error);
    }
    ::cfmakeraw(&line);
    line.c_cflag |= CLOCAL | CREAD;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &line) != 0) {
        ::ioctl(fd, TIOCNXCL, 0);
        ::close(fd);
        return fail(PortError::Failed);
    }
    m_fd = fd;
    m_timeouts = {};
    m_error = PortError::None;
    return true;
}

bool SerialPort::close()
{
    if (m_fd < 0)
        return false;
    const int fd = std::exchange(m_fd, -1);
    ::ioctl(fd, TIOCNXCL, 0);  // the device may stay open elsewhere (a pseudo-terminal's other end)
    return ::close(fd) == 0 || fail(PortError::Failed);
}

bool SerialPort::configure(const LineSettings& settings)
{
    if (m_fd < 0)
        return fail(PortError::NotOpen);
    termios line{};
    if (::tcgetattr(m_fd, &line) != 0)
        return fail(PortError::Failed);
    if (!applyLineSettings(settings, line))
        return fail(PortError::InvalidSettings);
    return setLine(m_fd, line) || fail(PortError::Failed);
}

LineSettings SerialPort::lineSettings() const
{
    termios line{};
    if (m_fd < 0 || ::tcgetattr(m_fd, &line) != 0)
        return {};
    return lineSettingsOf(line);
}

bool SerialPort::setReadTimeouts(const ReadTimeouts& timeouts)
{
    if (m_fd < 0)
        return fail(PortError::NotOpen);
    m_timeouts = timeouts;
    return true;
}

std::size_t SerialPort::read(void* buffer, std::size_t count)
{
    if (m_fd < 0) {
        fail(PortError::NotOpen);
        return 0;
    }
    const bool hasTotal = m_timeouts.totalConstant.count() > 0 || m_timeouts.totalMultiplier.count() > 0;
    const bool hasInterval = m_timeouts.interval.count() > 0;
    const Clock::time_point start = Clock::now();
    const std::optional<Clock::time_point> totalDeadline =
        hasTotal ? std::optional(start + m_timeouts.totalConstant +
                                 m_timeouts.totalMultiplier * static_cast<milliseconds::rep>(count))
                 : std::nullopt;

    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(m_fd, bytes + done, count - done);
        if (got > 0) {
            done += static_cast<std::size_t>(got);
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && errno != EAGAIN) {
            fail(PortError::Failed);
            break;
        }
        // Nothing waiting: wait for the next byte within the rules in force.
        std::optional<Clock::time_point> deadline = totalDeadline;
        if (hasInterval && (done > 0 || !hasTotal))
            deadline = std::min(deadline.value_or(Clock::time_point::max()), Clock::now() + m_timeouts.interval);
        if (!deadline || !waitReady(m_fd, POLLIN, deadline))
            break;
    }
    return done;
}

std::size_t SerialPort::write(const void* buffer, std::size_t count)
{
    if (m_fd < 0) {
        fail(PortError::NotOpen);
        return 0;
    }
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(m_fd, bytes + done, count - done);
        if (put > 0) {
            done += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno == EINTR)
            continue;
        if ((put < 0 && errno != EAGAIN) || !waitReady(m_fd, POLLOUT, Clock::now() + kWriteStall)) {
            fail(PortError::Failed);
            break;
        }
    }
    return done;
}

void SerialPort::purgeInput()
{
    if (m_fd >= 0)
        ::tcflush(m_fd, TCIFLUSH);
}

bool SerialPort::hasInput() const
{
    const SerialPort* self = this;
    return waitForInput({&self, 1}, milliseconds(0));
}

bool SerialPort::lineGone() const
{
    if (m_fd < 0)
        return false;
    pollfd watched{m_fd, POLLIN, 0};
    while (true) {
        const int ready = ::poll(&watched, 1, 0);
        if (ready >= 0)
            return ready > 0 && (watched.revents & kLineGone) != 0;
        if (errno != EINTR)
            return false;
    }
}

bool SerialPort::waitForInput(std::span<const SerialPort* const> ports, milliseconds timeout)
{
    // A negative descriptor is one that poll passes over.
    std::vector<pollfd> watched;
    watched.reserve(ports.size());
    for (const SerialPort* port : ports)
        watched.push_back({port->m_fd, POLLIN, 0});
    const Clock::time_point deadline = Clock::now() + timeout;
    while (true) {
        const int ready = ::poll(watched.data(), watched.size(), pollTimeout(deadline));
        if (ready < 0 && errno != EINTR)
            return false;
        for (pollfd& entry : watched) {
            if ((entry.revents & kLineGone) != 0)
                entry.fd = -1;
            else if ((entry.revents & POLLIN) != 0)
                return true;
        }
        if (Clock::now() >= deadline)
            return false;
    }
}

}  // namespace platform::serial

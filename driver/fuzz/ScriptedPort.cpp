// The driver's SerialPort for its fuzz target: the same class, its reads and
// waits for input served from the scripted lines instead of a device. Linked
// ahead of the driver's library, it takes the place of driver/SerialPort.cpp,
// so the record reader runs unchanged. Opening still opens a pseudo-terminal,
// which only keeps the port's open state true; nothing is read from it.

#include "driver/SerialPort.h"
#include "driver/fuzz/ScriptedLine.h"

#include <fcntl.h>
#include <stdlib.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>

namespace marlet {

namespace fuzzing {

int ScriptedLine::read(char* buffer, int count)
{
    if (m_chunks.empty() || count <= 0)
        return 0;
    const std::string& front = m_chunks.front();
    const std::size_t given = std::min(static_cast<std::size_t>(count), front.size() - m_taken);
    std::memcpy(buffer, front.data() + m_taken, given);
    m_taken += given;
    if (m_taken == front.size())
        purge();
    return static_cast<int>(given);
}

void ScriptedLine::waited()
{
    if (!m_chunks.empty() && m_chunks.front().empty())
        m_chunks.pop_front();
}

void ScriptedLine::purge()
{
    if (!m_chunks.empty())
        m_chunks.pop_front();
    m_taken = 0;
}

ScriptedLine& lineA()
{
    static ScriptedLine line;
    return line;
}

ScriptedLine& lineB()
{
    static ScriptedLine line;
    return line;
}

}  // namespace fuzzing

namespace {

fuzzing::ScriptedLine& lineOf(const std::string& portName)
{
    return portName == fuzzing::kLineAPort ? fuzzing::lineA() : fuzzing::lineB();
}

// The device a port opens: a pseudo-terminal of its own, kept for the process.
std::string pseudoTerminal()
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return {};
    return ::ptsname(master);
}

}  // namespace

platform::serial::ReadTimeouts readTimeoutsFor(std::int32_t, std::uint8_t, std::uint8_t, std::uint8_t)
{
    return {};
}

bool SerialPort::open(const std::string& portName)
{
    m_portName = portName;
    return open();
}

bool SerialPort::open()
{
    static const std::string deviceA = pseudoTerminal();
    static const std::string deviceB = pseudoTerminal();
    return m_port.openDevice(m_portName == fuzzing::kLineAPort ? deviceA : deviceB);
}

bool SerialPort::close()
{
    return m_port.close();
}

bool SerialPort::configure(std::int32_t baudRate, std::uint8_t parity, std::uint8_t stopBits, std::uint8_t dataBits)
{
    m_baudRate = baudRate;
    m_parity = parity;
    m_stopBits = stopBits;
    m_dataBits = dataBits;
    return m_port.isOpen();
}

int SerialPort::read(void* buffer, int count)
{
    return isOpen() ? lineOf(m_portName).read(static_cast<char*>(buffer), count) : 0;
}

int SerialPort::write(const void*, int count)
{
    return isOpen() && count > 0 ? count : 0;
}

void SerialPort::purge()
{
    if (isOpen())
        lineOf(m_portName).purge();
}

bool SerialPort::hasInput() const
{
    return isOpen() && lineOf(m_portName).hasInput();
}

bool SerialPort::waitForInput(std::chrono::milliseconds timeout, const SerialPort* other) const
{
    const auto anyInput = [&] { return hasInput() || (other && other->hasInput()); };
    if (anyInput())
        return true;
    std::this_thread::sleep_for(timeout);
    for (const SerialPort* port : {this, other}) {
        if (port && port->isOpen())
            lineOf(port->m_portName).waited();
    }
    return anyInput();
}

}  // namespace marlet

#include "driver/SerialPort.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

namespace marlet {

namespace {

using platform::serial::Parity;
using platform::serial::StopBits;
using std::chrono::milliseconds;

constexpr milliseconds kInterval{20};
constexpr milliseconds kTotalMultiplier{20};
constexpr milliseconds kTotalConstant{50};
constexpr int kIntervalCharacters = 3;
constexpr int kPerByteCharacters = 2;

std::optional<Parity> parityOf(std::uint8_t code)
{
    switch (code) {
    case ParityNone: return Parity::None;
    case ParityOdd: return Parity::Odd;
    case ParityEven: return Parity::Even;
    case ParityMark: return Parity::Mark;
    case ParitySpace: return Parity::Space;
    default: return std::nullopt;
    }
}

std::optional<StopBits> stopBitsOf(std::uint8_t code)
{
    switch (code) {
    case StopBitsOne: return StopBits::One;
    case StopBitsTwo: return StopBits::Two;
    default: return std::nullopt;  // one and a half is not offered by the line
    }
}

// `characters` character times of `bits` bits at `baudRate`, in whole
// milliseconds rounded up, but never less than `floor`.
milliseconds atLeast(milliseconds floor, int characters, int bits, std::int32_t baudRate)
{
    const std::int64_t wanted = (std::int64_t{characters} * 1000 * bits + baudRate - 1) / baudRate;
    return std::max(floor, milliseconds(wanted));
}

}  // namespace

platform::serial::ReadTimeouts readTimeoutsFor(std::int32_t baudRate, std::uint8_t parity, std::uint8_t stopBits,
                                               std::uint8_t dataBits)
{
    if (baudRate <= 0)
        return {kInterval, kTotalMultiplier, kTotalConstant};
    // Start bit, data bits, parity bit, stop bits.
    const int bits = 1 + dataBits + (parity == ParityNone ? 0 : 1) + (stopBits == StopBitsTwo ? 2 : 1);
    return {atLeast(kInterval, kIntervalCharacters, bits, baudRate),
            atLeast(kTotalMultiplier, kPerByteCharacters, bits, baudRate), kTotalConstant};
}

bool SerialPort::open(const std::string& portName)
{
    m_portName = portName;
    return open();
}

bool SerialPort::open()
{
    return m_port.open(m_portName);
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
    if (!m_port.isOpen())
        return false;
    const auto lineParity = parityOf(parity);
    const auto lineStopBits = stopBitsOf(stopBits);
    const bool lineSet =
        lineParity && lineStopBits &&
        m_port.configure({.baudRate = baudRate, .dataBits = dataBits, .parity = *lineParity, .stopBits = *lineStopBits});
    m_port.setReadTimeouts(readTimeoutsFor(baudRate, parity, stopBits, dataBits));
    return lineSet;
}

int SerialPort::read(void* buffer, int count)
{
    return count > 0 ? static_cast<int>(m_port.read(buffer, static_cast<std::size_t>(count))) : 0;
}

int SerialPort::write(const void* buffer, int count)
{
    return count > 0 ? static_cast<int>(m_port.write(buffer, static_cast<std::size_t>(count))) : 0;
}

void SerialPort::purge()
{
    m_port.purgeInput();
}

bool SerialPort::hasInput() const
{
    return m_port.hasInput();
}

bool SerialPort::waitForInput(milliseconds timeout, const SerialPort* other) const
{
    const std::array<const platform::serial::SerialPort*, 2> ports{&m_port, other ? &other->m_port : nullptr};
    return platform::serial::SerialPort::waitForInput(std::span(ports.data(), other ? 2 : 1), timeout);
}

}  // namespace marlet

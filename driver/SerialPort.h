#pragma once
// One instrument's serial port: port A for the audiometer, port B for the
// tympanometer. It keeps the line settings it was configured with and reads
// with time-outs that bound every wait of the record reader: a read returns
// after 20 ms between bytes or 50 ms + 20 ms per byte asked for, whichever
// comes first. At slow baud rates one character takes longer than that, so
// the limits grow to three character times between bytes and two per byte.
//
// No operation throws; failures are false or 0, which the callers turn into
// the driver's serial error codes.

#include "platform/serial/SerialPort.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace marlet {

// The platform's line codes, as the settings give them.
enum ParityCode : std::uint8_t { ParityNone = 0, ParityOdd = 1, ParityEven = 2, ParityMark = 3, ParitySpace = 4 };
enum StopBitsCode : std::uint8_t { StopBitsOne = 0, StopBitsOneAndHalf = 1, StopBitsTwo = 2 };

// The read time-outs for a line with these settings.
platform::serial::ReadTimeouts readTimeoutsFor(std::int32_t baudRate, std::uint8_t parity, std::uint8_t stopBits,
                                               std::uint8_t dataBits);

class SerialPort {
public:
    // Opens the port of this name ("COM1" ...), closing one still open first:
    // for reading and writing, not shared. False when it could not be opened;
    // the port is then closed.
    bool open(const std::string& portName);
    // Opens the port by the name it was last opened with.
    bool open();
    // True only when a port was open and closed cleanly.
    bool close();
    bool isOpen() const { return m_port.isOpen(); }

    // Stores the settings, then sets them on the line (flow control stays as
    // the port has it) and sets the read time-outs. The result is that of
    // setting the line; false, with the time-outs untouched, when closed.
    bool configure(std::int32_t baudRate, std::uint8_t parity, std::uint8_t stopBits, std::uint8_t dataBits);

    // Up to `count` bytes; the number read, 0 on failure, on a time-out
    // without data or when closed.
    int read(void* buffer, int count);
    // The number of bytes written, 0 on failure or when closed.
    int write(const void* buffer, int count);
    // Discards what has been received and not read; nothing when closed.
    void purge();
    // Whether bytes have been received and not read; false when closed.
    bool hasInput() const;
    // Whether the line has gone: the instrument's end hung up or the device
    // went away. False when closed.
    bool lineGone() const { return m_port.lineGone(); }
    // Waits until this port, or `other` when given, has bytes to read, at
    // most `timeout`; true when one has. A closed port, or one whose line has
    // gone, has none.
    bool waitForInput(std::chrono::milliseconds timeout, const SerialPort* other = nullptr) const;

    const std::string& portName() const { return m_portName; }
    std::int32_t baudRate() const { return m_baudRate; }
    std::uint8_t parity() const { return m_parity; }
    std::uint8_t stopBits() const { return m_stopBits; }
    std::uint8_t dataBits() const { return m_dataBits; }

private:
    platform::serial::SerialPort m_port;
    std::string m_portName;
    std::int32_t m_baudRate = 57600;
    std::uint8_t m_parity = ParityNone;
    std::uint8_t m_stopBits = StopBitsOne;
    std::uint8_t m_dataBits = 8;
};

}  // namespace marlet

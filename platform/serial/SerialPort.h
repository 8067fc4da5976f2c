#pragma once
// Serial ports on the system's terminal devices (pseudo-terminals work too).
//
// A port is opened by its name ("COM1" ... "COM16", see PortNames.h) or by a
// device path, exclusively: a second open of the same device, from this
// process or another, fails as busy until the first is closed. The line is
// put into raw mode (no echo, no line editing, no character translation, no
// software flow control); hardware flow control stays as the device has it.
//
// Reads follow the platform's time-out rules (see ReadTimeouts); writes wait
// for room in the device's buffer, but give up when no byte could be written
// for two seconds.
//
// One SerialPort is used by one thread at a time. No operation throws.

#include <chrono>
#include <cstddef>
#include <span>
#include <string>

namespace platform::serial {

enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, Two };

struct LineSettings {
    int baudRate = 9600;  // 300, 600, 1200, 1800, 2400, 4800, 9600, 19200, 38400, 57600 or 115200
    int dataBits = 8;     // 5 to 8
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
};

// When a read returns, given the number of bytes n asked for:
// - as soon as n bytes have arrived;
// - when `interval` passes after a byte without the next one; 0 leaves this
//   rule out;
// - when `totalConstant` + n x `totalMultiplier` has passed since the read
//   began; both 0 leave this rule out.
// So that no read waits without limit, the interval also bounds the wait for
// the first byte when the total rule is left out, and with both rules left
// out a read returns at once with what has arrived. Ports open with both
// rules left out.
struct ReadTimeouts {
    std::chrono::milliseconds interval{0};
    std::chrono::milliseconds totalMultiplier{0};
    std::chrono::milliseconds totalConstant{0};
};

enum class PortError {
    None,
    NoSuchPort,       // the name maps to no device, or the device does not exist
    Busy,             // another holder has the device open
    AccessDenied,     // no permission to open the device
    NotASerialPort,   // the device is not a terminal
    NotOpen,          // the operation needs an open port
    InvalidSettings,  // a baud rate, data bit count, parity or stop bit setting is not supported
    Failed,           // the system refused the operation
};

class SerialPort {
public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Closes a port still open, then opens the named port. False on failure
    // (see lastError()); the port is then closed.
    bool open(const std::string& portName);
    // The same on a device path such as "/dev/ttyS0" or a pseudo-terminal.
    bool openDevice(const std::string& devicePath);
    // True when a port was open and closed cleanly.
    bool close();
    bool isOpen() const { return m_fd >= 0; }

    // Sets the line settings; false for a closed port or settings the port
    // does not support, which then stay as they were. A pseudo-terminal
    // takes every data bit count and parity but keeps eight and none.
    bool configure(const LineSettings& settings);
    // The line settings the device has now; default values when closed.
    LineSettings lineSettings() const;
    // Sets the read time-outs; false for a closed port.
    bool setReadTimeouts(const ReadTimeouts& timeouts);

    // Reads up to `count` bytes; the number read, 0 on a time-out without
    // data, on failure and when closed.
    std::size_t read(void* buffer, std::size_t count);
    // Writes `count` bytes; the number written (fewer on failure), 0 when closed.
    std::size_t write(const void* buffer, std::size_t count);
    // Discards what has been received and not yet read; nothing when closed.
    void purgeInput();

    // Whether bytes have been received that are not yet read; false when closed.
    bool hasInput() const;
    // Whether the line has gone (a hang-up or a device error); false when closed.
    bool lineGone() const;
    // Waits until one of the ports has received bytes that are not yet read,
    // at most `timeout`; true when one has. Closed ports are left out, and so
    // is a port whose line has gone (a hang-up or a device error), so that the
    // wait lasts its time-out instead of returning at once again and again.
    static bool waitForInput(std::span<const SerialPort* const> ports, std::chrono::milliseconds timeout);

    // What went wrong in the last operation that failed.
    PortError lastError() const { return m_error; }

private:
    bool fail(PortError error);

    int m_fd = -1;
    ReadTimeouts m_timeouts;
    PortError m_error = PortError::None;
};

}  // namespace platform::serial

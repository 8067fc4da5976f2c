#pragma once
// The instrument's end of a serial line: the master side of a pseudo-terminal
// whose slave device the driver opens as its port. The slave is held open as
// well for the life of the object, so that the line settings the driver makes
// survive its closing and reopening the port, as a real port's do, and the
// master never sees a hang-up in between.

#include "platform/serial/SerialPort.h"

#include <chrono>
#include <string>
#include <string_view>

namespace instrument_sim {

class PtyPort {
public:
    // std::system_error when no pseudo-terminal can be had.
    PtyPort();
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    // The device the driver opens, such as "/dev/pts/4".
    const std::string& devicePath() const { return m_devicePath; }

    // The line settings the driver has set on the line; data bits and parity
    // always read as eight and none, which is all a pseudo-terminal keeps.
    platform::serial::LineSettings lineSettings() const;

    // Writes all bytes; std::runtime_error when the driver does not take
    // them within `timeout`.
    void write(std::string_view bytes, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // What arrives within `timeout`: returns as soon as something came (with
    // all that is there by then), or empty.
    std::string read(std::chrono::milliseconds timeout);

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_devicePath;
};

}  // namespace instrument_sim

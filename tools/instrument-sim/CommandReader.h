#pragma once
// Splits what the driver writes to an instrument into its command lines:
// ":5xxx" CR LF (7 bytes), "|0010xx" CR LF (9), "|1200" CR LF (7), and the
// single bytes 0x06 and 0x15. A byte that starts none of them comes out alone,
// so that a test sees exactly what arrived.

#include <optional>
#include <string>
#include <string_view>

namespace instrument_sim {

class CommandReader {
public:
    void feed(std::string_view bytes);
    // The next complete command, or none while it is still arriving.
    std::optional<std::string> next();
    // Bytes of a command that has not arrived whole.
    const std::string& partial() const { return m_buffer; }

private:
    std::string m_buffer;
};

}  // namespace instrument_sim

#pragma once
// One simulated instrument on its own pseudo-terminal: sends records as its
// model does, listens for the driver's command lines and checks them against
// what its model expects, resends on request, and can flood the line.

#include "tools/instrument-sim/CommandReader.h"
#include "tools/instrument-sim/Faults.h"
#include "tools/instrument-sim/Frame.h"
#include "tools/instrument-sim/Persona.h"
#include "tools/instrument-sim/PortMapping.h"
#include "tools/instrument-sim/PtyPort.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace instrument_sim {

using std::chrono::milliseconds;

class Instrument {
public:
    // With a port name, the driver finds the instrument by that name.
    explicit Instrument(marlet::ModelIndex model, const std::string& portName = {});
    ~Instrument();
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    const Persona& persona() const { return m_persona; }
    const std::string& devicePath() const { return m_port.devicePath(); }
    // The baud rate and stop bits the driver has set on the line (a
    // pseudo-terminal always reports eight data bits without parity).
    platform::serial::LineSettings lineSettings() const { return m_port.lineSettings(); }

    // The record as this model sends it (its checksum kind).
    std::string record(const Frame& frame) const { return frame.bytes(m_persona.checksum); }

    // Sends bytes; a whole record is remembered for a resend.
    void send(std::string_view bytes);
    void send(const Frame& frame) { send(record(frame)); }
    void send(const Transmission& transmission);

    // The next command line from the driver, or none within `timeout`.
    std::optional<std::string> nextCommand(milliseconds timeout);
    // None when exactly `line` came next within `timeout`; else what happened.
    std::optional<std::string> expect(std::string_view line, milliseconds timeout);
    // As expect, for the line this model gets for a command character.
    std::optional<std::string> expectCommand(char command, milliseconds timeout);
    // None when nothing came within `window`; else what came.
    std::optional<std::string> expectNothing(milliseconds window);

    // Waits for the resend request of the last record sent and sends it
    // again. False when none came (or the model gets none for that record).
    bool resendOnRequest(milliseconds timeout);

    // A continuous stream of printable garbage until stopped.
    void startGarbage();
    void stopGarbage();

private:
    const Persona& m_persona;
    PtyPort m_port;
    std::optional<PortMapping> m_mapping;
    CommandReader m_commands;
    std::string m_lastRecord;
    std::atomic<bool> m_garbageRunning{false};
    std::thread m_garbage;
};

// How a command line reads in a message: printable characters as they are,
// others as <hex>.
std::string visible(std::string_view bytes);

}  // namespace instrument_sim

#include "tools/instrument-sim/Instrument.h"

#include "tools/instrument-sim/Fields.h"

#include <algorithm>

namespace instrument_sim {

namespace {

using Clock = std::chrono::steady_clock;

bool isWholeRecord(std::string_view bytes)
{
    return bytes.size() > 2 && (bytes.front() == ':' || bytes.front() == '|') && bytes.ends_with("\r\n");
}

}  // namespace

std::string visible(std::string_view bytes)
{
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += (byte >= 0x20 && byte < 0x7F) ? std::string(1, c) : "<" + hex(byte, 2) + ">";
    }
    return text;
}

Instrument::Instrument(marlet::ModelIndex model, const std::string& portName)
    : m_persona(instrument_sim::persona(model))
{
    if (!portName.empty())
        m_mapping.emplace(portName, m_port.devicePath());
}

Instrument::~Instrument()
{
    stopGarbage();
}

void Instrument::send(std::string_view bytes)
{
    if (isWholeRecord(bytes))
        m_lastRecord = bytes;
    m_port.write(bytes);
}

void Instrument::send(const Transmission& transmission)
{
    for (const Chunk& chunk : transmission) {
        std::this_thread::sleep_for(chunk.pause);
        m_port.write(chunk.bytes);
    }
}

std::optional<std::string> Instrument::nextCommand(milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (auto command = m_commands.next())
            return command;
        const auto left = std::max(milliseconds(0), std::chrono::duration_cast<milliseconds>(deadline - Clock::now()));
        const std::string received = m_port.read(left);
        if (received.empty() && Clock::now() >= deadline)
            return std::nullopt;
        m_commands.feed(received);
    }
}

std::optional<std::string> Instrument::expect(std::string_view line, milliseconds timeout)
{
    const auto command = nextCommand(timeout);
    if (!command) {
        const std::string partial = m_commands.partial().empty() ? "" : " (only \"" + visible(m_commands.partial()) + "\")";
        return std::string(m_persona.name) + " waited for \"" + visible(line) + "\" but nothing came" + partial;
    }
    if (*command != line)
        return std::string(m_persona.name) + " waited for \"" + visible(line) + "\" but got \"" + visible(*command) +
               "\"";
    return std::nullopt;
}

std::optional<std::string> Instrument::expectCommand(char command, milliseconds timeout)
{
    const auto line = commandLine(m_persona, command);
    if (!line)
        return std::string(m_persona.name) + " gets no line for command '" + command + "'";
    return expect(*line, timeout);
}

std::optional<std::string> Instrument::expectNothing(milliseconds window)
{
    if (const auto command = nextCommand(window))
        return std::string(m_persona.name) + " expected silence but got \"" + visible(*command) + "\"";
    if (!m_commands.partial().empty())
        return std::string(m_persona.name) + " expected silence but got \"" + visible(m_commands.partial()) + "\"";
    return std::nullopt;
}

bool Instrument::resendOnRequest(milliseconds timeout)
{
    if (m_lastRecord.empty())
        return false;
    const auto request = commandLine(m_persona, m_lastRecord[1]);
    if (!request || expect(*request, timeout))
        return false;
    m_port.write(m_lastRecord);
    return true;
}

void Instrument::startGarbage()
{
    if (m_garbageRunning.exchange(true))
        return;
    m_garbage = std::thread([this] {
        const std::string piece = strayCharacters(64);
        while (m_garbageRunning) {
            try {
                m_port.write(piece, milliseconds(20));
            } catch (const std::runtime_error&) {
                // The driver is not reading right now; keep offering.
            }
        }
    });
}

void Instrument::stopGarbage()
{
    m_garbageRunning = false;
    if (m_garbage.joinable())
        m_garbage.join();
}

}  // namespace instrument_sim

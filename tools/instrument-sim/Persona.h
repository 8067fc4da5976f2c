#pragma once
// What each instrument model is on the line: the driver's port it sits on, its
// line settings, its checksum, the records it sends and the command lines it
// expects from the driver in answer.

#include "marlet/DriverExports.h"
#include "platform/serial/SerialPort.h"
#include "tools/instrument-sim/Checksum.h"

#include <optional>
#include <string>
#include <string_view>

namespace instrument_sim {

enum class Slot { Audiometer, Tympanometer };

struct Persona {
    std::string_view name;  // the model's section name in the driver's settings
    marlet::ModelIndex model;
    Slot slot;
    ChecksumKind checksum;
    platform::serial::LineSettings line;  // the driver's default settings for the model
    std::string_view sends;  // record type characters
};

// The personas of the six instrument models; std::invalid_argument for ModelNone.
const Persona& persona(marlet::ModelIndex model);
// By section name ("Tessil", "Quorrel v2", ...); none for an unknown name.
const Persona* personaNamed(std::string_view name);

// The line the driver sends to this model for a command character, or none
// when it sends nothing for it.
std::optional<std::string> commandLine(const Persona& persona, char command);

// The driver's acknowledgement after every good '|' record.
inline constexpr std::string_view kTympanometerAcknowledgement = "|1200\r\n";

// True when the line is one this model understands: one of its command lines,
// or the acknowledgement for a tympanometer.
bool understands(const Persona& persona, std::string_view line);

}  // namespace instrument_sim

#pragma once
// The driver's answers on the instruments' lines: the audiometer's commands
// on port A, the tympanometer's commands and acknowledgement on port B, each
// line written with the pauses the instruments need (InstrumentCommands.h).

#include "driver/LastError.h"
#include "driver/PortSlots.h"

#include <optional>
#include <string>

namespace marlet {

// "|001017" CR LF for command '0' of either Quorrel; none for anything else.
std::optional<std::string> tympanometerCommandLine(ModelIndex model, char command);

// Sends the line of the slot's model for the command, if it has one. Command
// '4' is never sent: asking for it records protocol error 105. A port that is
// not open records serial error 2. True when a line was sent whole.
bool sendAudiometerCommand(PortSlot& audiometer, char command, LastError& lastError);
bool sendTympanometerCommand(PortSlot& tympanometer, char command, LastError& lastError);
// "|1200" CR LF, after every good tympanometer record.
bool sendTympanometerAcknowledgement(PortSlot& tympanometer, LastError& lastError);

}  // namespace marlet

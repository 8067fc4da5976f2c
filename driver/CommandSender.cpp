#include "driver/CommandSender.h"

#include "driver/InstrumentCommands.h"
#include "driver/ParseResult.h"

namespace marlet {

namespace {

constexpr std::string_view kTympanometerResend = "|001017\r\n";
constexpr std::string_view kTympanometerAcknowledgement = "|1200\r\n";

bool send(PortSlot& slot, const std::optional<std::string>& line, LastError& lastError)
{
    if (!slot.port.isOpen()) {
        lastError.recordSerialError(ErrorPortNotActive);
        return false;
    }
    return line && sendLine(slot.port, *line);
}

}  // namespace

std::optional<std::string> tympanometerCommandLine(ModelIndex model, char command)
{
    if ((model == ModelQuorrelV2 || model == ModelQuorrelV1) && command == '0')
        return std::string(kTympanometerResend);
    return std::nullopt;
}

bool sendAudiometerCommand(PortSlot& audiometer, char command, LastError& lastError)
{
    if (command == '4') {
        lastError.recordProtocolError(ErrorCorruptErrorMessage);
        return false;
    }
    return send(audiometer, audiometerCommandLine(audiometer.model, command), lastError);
}

bool sendTympanometerCommand(PortSlot& tympanometer, char command, LastError& lastError)
{
    return send(tympanometer, tympanometerCommandLine(tympanometer.model, command), lastError);
}

bool sendTympanometerAcknowledgement(PortSlot& tympanometer, LastError& lastError)
{
    return send(tympanometer, std::string(kTympanometerAcknowledgement), lastError);
}

}  // namespace marlet

#include "driver/PortSlots.h"

#include "driver/InstrumentCommands.h"
#include "driver/SettingNumbers.h"

#include <cstdlib>
#include <string_view>

namespace marlet {

namespace {

enum CheckError : int {
    CheckPortSyntax = 5,
    CheckInvalidPort = ErrorInvalidPort,
    CheckBaudRate = 9,
    CheckParity = 10,
    CheckStopBits = 12,
    CheckProtocol = 13,
    CheckInterrupt = 17,
    CheckAddress = 22,
    CheckMemory = ErrorAllocatingMemory,
};

struct BitsParity {
    std::string_view text;
    std::uint8_t dataBits;
    std::uint8_t parity;
};

constexpr BitsParity kBitsParity[] = {
    {"7 / Space", 7, ParitySpace}, {"7 / None", 7, ParityNone}, {"7 / Even", 7, ParityEven},
    {"7 / Odd", 7, ParityOdd},     {"8 / None", 8, ParityNone},
};

struct StopBitsText {
    std::string_view text;
    std::uint8_t code;
};

constexpr StopBitsText kStopBits[] = {{"1 Bit", StopBitsOne}, {"2 Bits", StopBitsTwo}};

// Flow control is checked but left as the port has it.
constexpr std::string_view kFlows[] = {"XON/XOFF", "CTS/RTS"};

template <typename Entry>
const Entry* findText(const auto& table, std::string_view text)
{
    for (const Entry& entry : table) {
        if (entry.text == text)
            return &entry;
    }
    return nullptr;
}

bool known(std::string_view flow)
{
    for (const std::string_view candidate : kFlows) {
        if (candidate == flow)
            return true;
    }
    return false;
}

// Opens the port, once more when the first open fails. A Halvec that was not
// ready at the first open is asked for its set-up once the line is up.
int openAndConfigure(PortSlot& slot, ModelIndex model, const ModelSettings& settings, long baud,
                     const BitsParity& line, const StopBitsText& stopBits)
{
    bool firstOpenFailed = false;
    if (!slot.port.open(settings.port)) {
        firstOpenFailed = true;
        if (!slot.port.open(settings.port))
            return CheckInvalidPort;
    }
    if (!slot.port.configure(static_cast<std::int32_t>(baud), line.parity, stopBits.code, line.dataBits)) {
        slot.port.close();
        return CheckInvalidPort;
    }
    slot.port.purge();
    if (firstOpenFailed && model == ModelHalvec)
        sendLine(slot.port, *audiometerCommandLine(model, '8'));
    slot.model = model;
    slot.active = true;
    return 0;
}

int configureSlot(PortSlot& slot, ModelIndex model, const ModelSettings& settings, const PortSettings& port)
{
    const auto baud = readDecimal(settings.baud);
    if (!baud)
        return CheckBaudRate;
    const BitsParity* line = findText<BitsParity>(kBitsParity, settings.bitsParity);
    if (!line)
        return CheckParity;
    if (!known(settings.flow))
        return CheckProtocol;
    const StopBitsText* stopBits = findText<StopBitsText>(kStopBits, settings.stopBits);
    if (!stopBits)
        return CheckStopBits;
    if (!readHexWord(port.address))
        return CheckAddress;
    if (!readDecimal(port.interrupt))
        return CheckInterrupt;
    if (!readDecimal(port.subPort) || !readHexWord(port.cardSeg))
        return CheckPortSyntax;
    return openAndConfigure(slot, model, settings, *baud, *line, *stopBits);
}

int check(const SettingsValues& values, PortSlots& slots, ZeroedAllocator allocate)
{
    const ModelIndex audiometer = values.audiometer();
    const ModelIndex tympanometer = values.tympanometer();
    if (!slots.buffers.allocate(allocate))
        return CheckMemory;
    const PortSettings* audiometerPort = values.portOf(audiometer);
    const PortSettings* tympanometerPort = values.portOf(tympanometer);
    if (!audiometerPort || !tympanometerPort)
        return CheckInvalidPort;

    const bool hasAudiometer = audiometer != ModelNone;
    const bool hasTympanometer = tympanometer != ModelNone;
    if (hasAudiometer && hasTympanometer && audiometerPort == tympanometerPort)
        return CheckInvalidPort;
    if (hasAudiometer) {
        if (const int error = configureSlot(slots.audiometer, audiometer, values.models[audiometer], *audiometerPort))
            return error;
    }
    if (hasTympanometer)
        return configureSlot(slots.tympanometer, tympanometer, values.models[tympanometer], *tympanometerPort);
    return 0;
}

}  // namespace

void RecordBuffers::Free::operator()(char* buffer) const
{
    std::free(buffer);
}

bool RecordBuffers::allocate(ZeroedAllocator allocate)
{
    m_audiometer.reset(static_cast<char*>(allocate(kAudiometerSize)));
    m_tympanometer.reset(static_cast<char*>(allocate(kTympanometerSize)));
    m_command.reset(static_cast<char*>(allocate(kCommandSize)));
    if (m_audiometer && m_tympanometer && m_command)
        return true;
    free();
    return false;
}

void RecordBuffers::free()
{
    m_audiometer.reset();
    m_tympanometer.reset();
    m_command.reset();
}

void PortSlots::release()
{
    for (PortSlot* slot : {&audiometer, &tympanometer}) {
        slot->port.close();
        slot->active = false;
    }
    buffers.free();
}

int checkPorts(const SettingsValues& values, PortSlots& slots, LastError& lastError, ZeroedAllocator allocate)
{
    lastError.clear();
    slots.release();
    const int error = check(values, slots, allocate);
    if (error != 0) {
        slots.release();
        lastError.recordSerialError(error);
    }
    return error;
}

}  // namespace marlet

#include "tools/instrument-sim/Persona.h"

#include <stdexcept>
#include <utility>

namespace instrument_sim {

namespace {

using enum marlet::ModelIndex;

using platform::serial::LineSettings;
using platform::serial::Parity;
using platform::serial::StopBits;

constexpr LineSettings k7E2{9600, 7, Parity::Even, StopBits::Two};
constexpr LineSettings k8N1{9600, 8, Parity::None, StopBits::One};

// Which records each model sends is the instrument's business; these are what
// each one is known to send to the driver.
constexpr Persona kPersonas[] = {
    {"Tessil", ModelTessil, Slot::Audiometer, ChecksumKind::Plain, k7E2, "123478"},
    {"Dunmor", ModelDunmor, Slot::Audiometer, ChecksumKind::Dunmor, k7E2, "123478"},
    {"Halvec", ModelHalvec, Slot::Audiometer, ChecksumKind::Plain, k8N1, "1245678"},
    {"Quorrel v2", ModelQuorrelV2, Slot::Tympanometer, ChecksumKind::Plain, k7E2, "1234567"},
    {"Quorrel v1", ModelQuorrelV1, Slot::Tympanometer, ChecksumKind::Plain, k7E2, "1234567"},
    {"Pyrel", ModelPyrel, Slot::Audiometer, ChecksumKind::Plain, k8N1, "1247xyz"},
};

struct Command {
    marlet::ModelIndex model;
    char command;
    std::string_view line;
};

constexpr Command kCommands[] = {
    {ModelTessil, '0', ":525 \r\n"},   {ModelTessil, '1', ":525 \r\n"},   {ModelTessil, '2', ":525 \r\n"},
    {ModelTessil, '3', ":525 \r\n"},   {ModelDunmor, '0', ":5251\r\n"},   {ModelDunmor, '1', ":5251\r\n"},
    {ModelHalvec, '0', ":5251\r\n"},   {ModelHalvec, '1', ":5471\r\n"},   {ModelHalvec, '5', ":5472\r\n"},
    {ModelHalvec, '6', ":5473\r\n"},   {ModelHalvec, '7', ":5430\r\n"},   {ModelHalvec, '8', ":5440\r\n"},
    {ModelQuorrelV2, '0', "|001017\r\n"}, {ModelQuorrelV1, '0', "|001017\r\n"},
};

constexpr char kAcknowledge = 0x06;
constexpr char kNegativeAcknowledge = 0x15;

}  // namespace

const Persona& persona(marlet::ModelIndex model)
{
    for (const Persona& known : kPersonas) {
        if (known.model == model)
            return known;
    }
    throw std::invalid_argument("no instrument of model " + std::to_string(model));
}

const Persona* personaNamed(std::string_view name)
{
    for (const Persona& known : kPersonas) {
        if (known.name == name)
            return &known;
    }
    return nullptr;
}

std::optional<std::string> commandLine(const Persona& persona, char command)
{
    // The driver never sends command '4'.
    if (command == '4')
        return std::nullopt;
    if (persona.model == ModelPyrel)
        return std::string(1, command == '9' ? kAcknowledge : kNegativeAcknowledge);
    for (const Command& known : kCommands) {
        if (known.model == persona.model && known.command == command)
            return std::string(known.line);
    }
    return std::nullopt;
}

bool understands(const Persona& persona, std::string_view line)
{
    if (persona.slot == Slot::Tympanometer && line == kTympanometerAcknowledgement)
        return true;
    if (persona.model == ModelPyrel)
        return line == std::string_view("\x06", 1) || line == std::string_view("\x15", 1);
    for (const Command& known : kCommands) {
        if (known.model == persona.model && known.line == line)
            return true;
    }
    return false;
}

}  // namespace instrument_sim

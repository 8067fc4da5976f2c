#include "driver/InstrumentCommands.h"

#include <chrono>
#include <thread>

namespace marlet {

namespace {

struct Command {
    ModelIndex model;
    std::string_view characters;  // the command characters that send the line
    std::string_view line;
};

constexpr Command kCommands[] = {
    {ModelTessil, "0123", ":525 \r\n"}, {ModelDunmor, "01", ":5251\r\n"},
    {ModelHalvec, "0", ":5251\r\n"},    {ModelHalvec, "1", ":5471\r\n"},
    {ModelHalvec, "5", ":5472\r\n"},    {ModelHalvec, "6", ":5473\r\n"},
    {ModelHalvec, "7", ":5430\r\n"},    {ModelHalvec, "8", ":5440\r\n"},
};

constexpr char kAcknowledge = 6;
constexpr char kNegativeAcknowledge = 21;

constexpr std::chrono::milliseconds kPause{10};

}  // namespace

std::optional<std::string> audiometerCommandLine(ModelIndex model, char command)
{
    if (command == '4')
        return std::nullopt;
    if (model == ModelPyrel)
        return std::string(1, command == '9' ? kAcknowledge : kNegativeAcknowledge);
    for (const Command& known : kCommands) {
        if (known.model == model && known.characters.find(command) != std::string_view::npos)
            return std::string(known.line);
    }
    return std::nullopt;
}

bool sendLine(SerialPort& port, std::string_view line)
{
    std::this_thread::sleep_for(kPause);
    const int written = port.write(line.data(), static_cast<int>(line.size()));
    std::this_thread::sleep_for(kPause);
    return written == static_cast<int>(line.size());
}

}  // namespace marlet

#include "tools/instrument-sim/CommandReader.h"

namespace instrument_sim {

namespace {

constexpr std::size_t kAudiometerLine = 7;
constexpr std::size_t kLongestTympanometerLine = 9;

// The length of the command at the front of `bytes`, or 0 when it is not whole yet.
std::size_t commandLength(std::string_view bytes)
{
    switch (bytes.front()) {
    case ':':
        return bytes.size() >= kAudiometerLine ? kAudiometerLine : 0;
    case '|': {
        const std::size_t end = bytes.substr(0, kLongestTympanometerLine).find('\n');
        if (end != std::string_view::npos)
            return end + 1;
        return bytes.size() >= kLongestTympanometerLine ? kLongestTympanometerLine : 0;
    }
    default:
        return 1;
    }
}

}  // namespace

void CommandReader::feed(std::string_view bytes)
{
    m_buffer += bytes;
}

std::optional<std::string> CommandReader::next()
{
    if (m_buffer.empty())
        return std::nullopt;
    const std::size_t length = commandLength(m_buffer);
    if (length == 0)
        return std::nullopt;
    std::string command = m_buffer.substr(0, length);
    m_buffer.erase(0, length);
    return command;
}

}  // namespace instrument_sim
